#pragma once
// Soundings and project particulars shared by the window tests.
#include <QChar>
#include <QLineEdit>
#include <QString>
#include <string>
#include <string_view>

#include "engine/import/ConeReader.h"
#include "engine/import/Units.h"
#include "engine/state/Declarations.h"
#include "engine/support/RealSoundings.h"
#include "ui/charts/ProjectParticulars.h"
#include "ui/support/UiTest.h"

namespace strelvan::test {

// "ton/ft²", as the chart titles write it.
inline const QString kTsf = QStringLiteral("ton/ft") + QChar(0x00B2);

// The file name and project particulars of a made-up levee sounding.
inline void LeveeProject(Declarations& d) {
    d.importSettings.FileName = "C:/soundings/levee-7.txt";
    ProjectInfo& p = d.project;
    p.ProjNum = "LA-1024";
    p.ProjTitle = "Levee reach 7";
    p.Station = "12+50";
    p.Offset = "25 L";
    p.Parish = "Orleans";
    p.ProjDate = "03/14/2024";
    p.Latitude = "29.95";
    p.Longitude = "-90.07";
    p.CPTNo = "7";
}

// The boxes of a window that shows the levee project's particulars (no ground elevation).
inline void ExpectLeveeBoxes(const ProjectParticulars& w) {
    EXPECT_EQ(w.TxtProjNum->text(), "LA-1024");
    EXPECT_EQ(w.TxtTitle->text(), "Levee reach 7");
    EXPECT_EQ(w.TxtStation->text(), "12+50");
    EXPECT_EQ(w.TxtOffset->text(), "25 L");
    EXPECT_EQ(w.TxtParish->text(), "Orleans");
    EXPECT_EQ(w.TxtDate->text(), "03/14/2024");
    EXPECT_EQ(w.TxtLatit->text(), "29.95");
    EXPECT_EQ(w.TxtLongit->text(), "-90.07");
    EXPECT_EQ(w.TxtElevation->text(), "");
    if (w.TxtCPTNo != nullptr) {
        EXPECT_EQ(w.TxtCPTNo->text(), "7");
    }
    EXPECT_TRUE(w.TxtTitle->isReadOnly());
}

// Readings every 0.5 ft from 0.5 ft down to lastDepth, qc and fs rising with depth.
inline void EvenSounding(ConeData& cone, float lastDepth) {
    int n = 0;
    for (float d = 0.5f; d <= lastDepth + 1e-4f; d += 0.5f) {
        ++n;
        cone.Depth[n] = d;
        cone.Qc[n] = 20.0f + d;
        cone.Fs[n] = 0.2f + d / 100.0f;
    }
    cone.NumPoints = static_cast<int16_t>(n);
}

// Reads a real sounding with the cone data reader and converts it to ft and ton/ft²; false
// when either step fails.
inline bool ReadRealSounding(Declarations& d, const RealFile& real) {
    ImportSettings& settings = d.importSettings;
    settings.FileName = RealSounding(QString::fromLatin1(real.file)).toStdString();
    settings.NumTitleLines = static_cast<int16_t>(real.titleLines);
    settings.UnitsOption = 2;
    ReadConeData(settings, d.cone);
    return settings.ImportError == 0 && ConvertMetric(d.cone, settings).converted;
}

// The same for one of the eight by its file name; false for a name that is none of them.
inline bool ReadRealSoundingNamed(Declarations& d, std::string_view file) {
    const RealFile real = RealFileNamed(file);
    return real.titleLines != 0 && ReadRealSounding(d, real);
}

} // namespace strelvan::test
