#pragma once

#include "run.h"

#include <QEventLoop>
#include <QPointer>
#include <QWidget>
#include <memory>
#include <string>
#include <string_view>

class QLabel;
class TStepFollower;
class TStepView;
class TLabWindow;
namespace Ui {
class TForm1;
}

// The main window "Ukážka algoritmu CORDIC": the angle input, the unit choice, the speed slider
// and the start button; the plot and the two step traces; the CORDIC and library results; the
// status bar. The controls are built from the Designer layout form1.ui at their design client
// positions; only the status bar follows the bottom edge when the window is resized. The window
// opens at its design position where its frame fits the screen, else moved just enough to fit.
//
// The start button runs one computation (RunComputation) on this window through IRunWindow. It
// is the window's default button: Return or Enter anywhere but in a trace panel presses it while
// it is enabled. Closing the window during a run ends the run at its next event pump. What
// leaves one of the window's handlers is reported on the failure channel (guard.h).
class TForm1 : public QWidget, public IRunWindow {
    Q_OBJECT

public:
    // Builds the window from its layout and clears the plot (FormCreate).
    explicit TForm1(QWidget* parent = nullptr);
    ~TForm1() override;

    // The text of the status bar's single panel.
    QString StatusText() const;
    // Opens the step view "Kroky algoritmu CORDIC" beside the window (F2, or the plot's context
    // menu); it follows the runs from the window's start, opened or not.
    void ShowSteps();
    // The step view, nullptr until it is first opened.
    TStepView* StepView() const;
    // Opens the laboratory "Laboratórium CORDIC" beside the window (F3, or the plot's context
    // menu); it reads and writes nothing of the window.
    void ShowLaboratory();
    // The laboratory, nullptr until it is first opened.
    TLabWindow* Laboratory() const;

    // IRunWindow, on the controls of the same names; texts are UTF-8.
    std::string InputText() override;
    int TypItemIndex() override;
    int TbPosition() override;
    int ImgWidth() override;
    int ImgHeight() override;
    void SetCosText(std::string_view text) override;
    void SetSinText(std::string_view text) override;
    void SetKcosText(std::string_view text) override;
    void SetKsinText(std::string_view text) override;
    void SetStatusText(std::string_view text) override;
    // Disabling the focused button leaves the focus with the window, where keys do nothing;
    // enabling it again takes the focus back if it has not been moved since.
    void SetButton1Enabled(bool enabled) override;
    void ClearMemo1() override;
    void ClearMemo2() override;
    // Appends one line, not undoable, and scrolls the panel to it.
    void AppendMemo1(std::string_view line) override;
    void AppendMemo2(std::string_view line) override;
    void DrawStepFrame(long double theta, long double x, long double y, int cx, int cy) override;
    // Handles the pending events once; false once the window has been closed.
    bool ProcessMessages() override;

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void KeepOnScreen();
    // Handles the pending events once (as `flags` say); false once the window has been closed.
    bool PumpEvents(QEventLoop::ProcessEventsFlags flags);
    void SetDesignFont();
    void SetTabOrder();
    void SetUpStepView();
    void SetUpLaboratory();
    void FormCreate();
    void Button1Click();

    std::unique_ptr<Ui::TForm1> ui_;
    std::unique_ptr<TStepFollower> steps_;
    QLabel* sbText_ = nullptr; // the status bar's simple panel
    QPointer<TLabWindow> laboratory_;
    QPointer<QWidget> focusAfterDisable_; // where the focus went when Button1 was disabled
    bool closed_ = false;
    bool shownOnce_ = false;
};

// The main window, set when the application creates it.
extern TForm1* Form1;
