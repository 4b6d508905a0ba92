#pragma once
// The boxes of the project information form: what they show when the form loads, what
// their drop-down lists offer, and what its OK button stores.
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "engine/state/Declarations.h"
#include "engine/state/Message.h"

namespace strelvan {

// The boxes of the form, in their order on the form.
enum ProjectBox : int {
    kBoxProjNum,
    kBoxParish,
    kBoxProjTitle,
    kBoxStation,
    kBoxOffset,
    kBoxElev,
    kBoxGWT,
    kBoxLatitude,
    kBoxLongitude,
    kBoxDate,
    kBoxCPTNo,
    kProjectBoxCount
};

using ProjectTexts = std::array<std::string, kProjectBoxCount>;
using ProjectLists = std::array<std::vector<std::string>, kProjectBoxCount>;

// Clears the project information of the file read last, for a new sounding: every text
// field empty and no ground elevation. The water-table depth is kept.
void ClearProjectTexts(ProjectInfo& info);

// The texts the boxes get when the form loads: every stored field that is not empty and
// the ground elevation when one was entered. The water-table box starts empty.
ProjectTexts StoredProjectTexts(const ProjectInfo& info);

// The drop-down lists: the values entered earlier in this run in the order they were first
// entered (number, parish and title from each project entry), and today's date for the
// date box.
ProjectLists ProjectChoices(const HistoryLists& history, const std::string& today);

// A date as the form offers it: mm-dd-yyyy.
std::string DateText(int year, int month, int day);

struct ProjectEntry {
    std::optional<Message> error; // what to tell the user; nothing was stored then
    int focusBox = -1;            // the box to put the focus in after an error
};

// The OK of the project form: checks the ground elevation and the water-table depth first
// and stores nothing until both are empty or numbers, the elevation within +-30,000 ft;
// then stores the fields in the project information and adds the new values to the
// histories.
ProjectEntry StoreProjectEntry(const ProjectTexts& boxes, ProjectInfo& info, HistoryLists& history);

} // namespace strelvan
