#pragma once

#include "cordic.h"

#include <string>
#include <string_view>

// The window operations one computation run uses, named after the main window's controls.
// Texts are UTF-8.
class IRunWindow {
public:
    virtual ~IRunWindow() = default;

    virtual std::string InputText() = 0; // the angle field's text
    virtual int TypItemIndex() = 0;      // the unit choice: 0 degrees, otherwise radians
    virtual int TbPosition() = 0;        // the speed slider: event pumps per step
    virtual int ImgWidth() = 0;          // the plot's size in pixels
    virtual int ImgHeight() = 0;

    virtual void SetCosText(std::string_view text) = 0;
    virtual void SetSinText(std::string_view text) = 0;
    virtual void SetKcosText(std::string_view text) = 0;
    virtual void SetKsinText(std::string_view text) = 0;
    virtual void SetStatusText(std::string_view text) = 0;
    virtual void SetButton1Enabled(bool enabled) = 0;

    virtual void ClearMemo1() = 0;
    virtual void ClearMemo2() = 0;
    virtual void AppendMemo1(std::string_view line) = 0;
    virtual void AppendMemo2(std::string_view line) = 0;

    // Draws the plot of one step: target angle theta, CORDIC vector (x, y), centre (cx, cy).
    virtual void DrawStepFrame(long double theta, long double x, long double y, int cx, int cy) = 0;

    // Handles the pending window events once. Returns false once the window has been closed:
    // the run then ends at once and touches the window no more.
    virtual bool ProcessMessages() = 0;
};

// The texts a run writes.
inline constexpr std::string_view kTextComputing = "Pocitam...";
inline constexpr std::string_view kTextDone = "Hotovo";
inline constexpr std::string_view kTextNotANumber = "Zadaná hodnota nie je v číslo";
inline constexpr std::string_view kTextOutOfRange =
    "Zadaná hodnota nie je v rozmedzí (-Pi/2,Pi/2) !";

// Follows a run beside its window, for views that show more of it than the window does. Every
// call comes from inside RunComputation, on the caller's thread, in this order: RunStarted once
// the angle is valid; per step StepNotified after the step's trace lines and frame, before its
// pause, and HoldAfterStep after the pause; RunCompleted after the result fields; RunEnded on
// every exit of a started run (completed, failed, or the window closed).
class IRunObserver {
public:
    virtual ~IRunObserver() = default;

    virtual void RunStarted(long double theta) = 0;
    virtual void StepNotified(const TCordicStep& step) = 0;
    // Returns when the run may take its next step (at once unless the run is held); false when
    // the window was closed meanwhile: the run then ends as if a pump had seen the close.
    virtual bool HoldAfterStep() = 0;
    virtual void RunCompleted(const TCordicResult& result) = 0;
    virtual void RunEnded() = 0;
};

// One press of the start button: reads the angle and unit, refuses bad input with a status
// message, or runs the CORDIC rotation step by step on the window (trace lines, plot frame and
// TbPosition() event pumps per step) and ends with the CORDIC and library cosine and sine.
// The start button is disabled for the run and enabled on every exit, also when an exception
// ends the run (it propagates) -- but not when the window was closed during a pause.
// An observer, when given, follows the run (see IRunObserver); it changes nothing the run does on
// the window.
void RunComputation(IRunWindow& window, IRunObserver* observer = nullptr);
