#include "engine/import/ProjectEntry.h"

#include <cmath>
#include <cstdio>

#include "engine/import/EntryMessages.h"
#include "engine/state/Numbers.h"

namespace strelvan {

namespace {
// The text fields of the project information, every one of them, with their boxes.
constexpr std::array<std::pair<ProjectBox, std::string ProjectInfo::*>, 9> kTextFields = {{
    {kBoxProjNum, &ProjectInfo::ProjNum},
    {kBoxParish, &ProjectInfo::Parish},
    {kBoxProjTitle, &ProjectInfo::ProjTitle},
    {kBoxStation, &ProjectInfo::Station},
    {kBoxOffset, &ProjectInfo::Offset},
    {kBoxLatitude, &ProjectInfo::Latitude},
    {kBoxLongitude, &ProjectInfo::Longitude},
    {kBoxDate, &ProjectInfo::ProjDate},
    {kBoxCPTNo, &ProjectInfo::CPTNo},
}};

// The histories whose keys are offered in one box each.
constexpr std::array<std::pair<ProjectBox, KeyedList HistoryLists::*>, 7> kKeyLists = {{
    {kBoxStation, &HistoryLists::HistStation},
    {kBoxOffset, &HistoryLists::HistOffset},
    {kBoxElev, &HistoryLists::HistElev},
    {kBoxGWT, &HistoryLists::HistGWT},
    {kBoxLatitude, &HistoryLists::HistLatitude},
    {kBoxLongitude, &HistoryLists::HistLongitude},
    {kBoxCPTNo, &HistoryLists::HistCPTNo},
}};

std::vector<std::string> SplitAtBars(const std::string& text) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (;;) {
        const std::size_t bar = text.find('|', start);
        parts.push_back(text.substr(start, bar - start));
        if (bar == std::string::npos)
            return parts;
        start = bar + 1;
    }
}

void AddNewKey(KeyedList& list, const std::string& text) {
    if (!text.empty())
        list.Add(text, ""); // refused when the key is there already
}

// The number in a box that must hold one: empty gives nullopt with ok set.
struct NumberBox {
    bool ok = true;
    std::optional<float> value;
};

NumberBox ReadNumberBox(const std::string& text) {
    if (text.empty())
        return {};
    const std::optional<float> value = ToSingle(text);
    return {value.has_value(), value};
}

// A ground elevation a sounding can have, in ft: beyond it the elevations of the readings,
// held in single precision, would collapse onto a few values (and -99999 is "not entered").
constexpr float kMaxElevation = 30000.0f;

ProjectEntry Refused(const char* boxName, ProjectBox box) {
    return {DataEntryErrorMessage(boxName), box};
}
} // namespace

void ClearProjectTexts(ProjectInfo& info) {
    for (const auto& [box, field] : kTextFields)
        (info.*field).clear();
    info.GroundElev = kNoElevation;
}

ProjectTexts StoredProjectTexts(const ProjectInfo& info) {
    ProjectTexts texts;
    for (const auto& [box, field] : kTextFields)
        texts[box] = info.*field;
    if (info.GroundElev != kNoElevation)
        texts[kBoxElev] = SingleText(info.GroundElev);
    return texts;
}

ProjectLists ProjectChoices(const HistoryLists& history, const std::string& today) {
    ProjectLists lists;
    for (const auto& entry : history.HistProject.Entries()) {
        const std::vector<std::string> parts = SplitAtBars(entry.second);
        for (int box = kBoxProjNum; box <= kBoxProjTitle; ++box)
            if (static_cast<std::size_t>(box) < parts.size() && !parts[box].empty())
                lists[box].push_back(parts[box]);
    }
    for (const auto& [box, list] : kKeyLists)
        for (const auto& entry : (history.*list).Entries())
            lists[box].push_back(entry.first);
    lists[kBoxDate].push_back(today);
    return lists;
}

std::string DateText(int year, int month, int day) {
    char text[32];
    std::snprintf(text, sizeof text, "%02d-%02d-%04d", month, day, year);
    return text;
}

ProjectEntry StoreProjectEntry(const ProjectTexts& boxes, ProjectInfo& info,
                               HistoryLists& history) {
    const NumberBox elevation = ReadNumberBox(boxes[kBoxElev]);
    if (!elevation.ok || (elevation.value && !(std::fabs(*elevation.value) <= kMaxElevation)))
        return Refused("Ground Elevation", kBoxElev);
    const NumberBox waterTable = ReadNumberBox(boxes[kBoxGWT]);
    if (!waterTable.ok)
        return Refused("Ground Water Table", kBoxGWT);

    for (const auto& [box, field] : kTextFields)
        info.*field = boxes[box];

    const std::string project =
        boxes[kBoxProjNum] + "|" + boxes[kBoxParish] + "|" + boxes[kBoxProjTitle];
    if (!history.HistProject.SetItem(info.ProjNum, project))
        history.HistProject.Add(boxes[kBoxProjNum], project); // also under an empty number

    // Entered values join their history once; the empty text never does.
    for (const auto& [box, list] : kKeyLists)
        AddNewKey(history.*list, boxes[box]);

    info.GroundElev = elevation.value.value_or(kNoElevation);
    info.GWTDepth = waterTable.value.value_or(0.0f);
    return {};
}

} // namespace strelvan
