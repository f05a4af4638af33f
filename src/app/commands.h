// SPDX-License-Identifier: MIT
#pragma once

namespace tarvex::cmd {

// Menu command identifiers, the same in every language's menu.
enum : int {
    Exit = 40002,
    ProgramInfo = 40003,
    Readings = 40005,
    Configuration = 40006,
    Options = 40007,
    Reset = 40008,
    Oscilloscope = 40010,
    Schema = 40013,
    Open = 40014,
    SaveAs = 40015,
    Com1 = 40019,
    Com2 = 40020,
    Com3 = 40021,
    Com4 = 40022,
    Size640 = 40028,
    Size800 = 40029,
    Size1024 = 40030,
    Size1280x1024 = 40031,
    Size1280x960 = 40032,
    LangEnglish = 40034,
    LangPolish = 40036,
    LangRussian = 40059,
    LangLithuanian = 40060,
    LangItalian = 40062,
    // Added to the File menu after Save As.
    RecordReadings = 40063,
    PlayRecording = 40064,
    CompareWithFile = 40065,
    SavePicture = 40066,
    // Opens the review window of recordings.
    ReviewRecordings = 40067,
    // The settings history's.
    UndoLastChange = 40068,
    SettingsHistory = 40069,
};

}  // namespace tarvex::cmd
