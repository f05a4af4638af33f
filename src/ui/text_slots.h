// SPDX-License-Identifier: MIT
#pragma once

namespace tarvex {

// The language file's slots (UiTexts[k]) that code names. The slots of the
// dialog templates' controls, the lists' entries and the window titles are in
// their tables; those of the File menu's tools are in tool_texts.h.
namespace text_slot {
enum : int {
    // Dashboard.
    LambdaSensor = 0,
    Lean = 1,
    Rich = 2,
    Throttle = 3,
    TpsInertia = 4,
    Actuator = 5,
    ActuatorStart = 6,
    ReducerTemperature = 11,
    // Status panel and fuel box.
    OnPetrol = 12,
    OnLpg = 13,
    PetrolBox = 14,
    LpgBox = 15,
    Learning = 16,
    LearningRaiseSpeed = 17,
    RefusedLambdaInactive = 18,
    RefusedThrottleMoving = 19,
    RefusedNotRunning = 20,
    LpgOffSpeedTooHigh = 21,
    ReducerTooCold = 22,
    CutOff = 23,
    WaitingForLpg = 24,
    RaiseSpeed = 25,
    ReleaseAccelerator = 26,
    SwitchOverNotMet = 27,
    NoSpeedSignal = 28,
    PanelUnsupported = 29,
    PanelNoConnection = 30,
    CheckTheLead = 31,
    LearningInterrupted = 32,
    // The EmulDO dialog's title.
    EmulDOTitle = 98,
    // Reset: the outcome's message.
    ResetCaption = 137,
    ResetDone = 138,
    ResetNotConfirmed = 139,
    // Oscilloscope: the traces' names, ranges and units, the time axis.
    LambdaTrace = 143,
    ActuatorTrace = 144,
    ActuatorRange = 145,
    StartPositionTrace = 146,
    SpeedTrace = 147,
    SpeedRange = 148,
    TpsTrace = 149,
    TimeAxis = 150,
    VoltUnit = 151,
    StepUnit = 152,
    SpeedUnit = 153,
    // Program information.
    ProgramName = 156,
    InfoTitle = 157,
    ProgramVersion = 158,
    ControllerVersion = 159,
    InfoClose = 160,
    VersionNoConnection = 161,
    VersionUnsupported = 162,
    // The settings file.
    OpenTitle = 165,
    SaveTitle = 166,
    CannotOpen = 167,
    NotASettingsFile = 168,
    WrongFormat = 169,
    WriteError = 170,
    NotConfirmed = 171,
    ConfirmSaveAs = 172,
    ReplaceFile = 173,
};
}  // namespace text_slot

}  // namespace tarvex
