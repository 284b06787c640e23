#pragma once

#include <QApplication>
#include <QString>
#include <QTranslator>
#include <exception>
#include <functional>
#include <memory>
#include <vector>

class QWidget;

// The application object: creates the windows, runs the event loop and is the one place where
// failures are shown to the user.
//
// The toolkit's widget libraries are built without exception tables, so a C++ exception must
// never unwind through their frames: everything of ours that the toolkit calls runs inside the
// windows' guard (guard.h), which reports on the failure channel; the application shows what
// arrives there once control is back in the event loop. The override of notify guards what
// still escapes the same way.
class TApplication : public QApplication {
    Q_OBJECT

public:
    // Shows an error message to the user and returns once it has been seen.
    using TErrorDisplay = std::function<void(const QString& message)>;

    // Sets the global Application. Precondition: no other TApplication exists.
    TApplication(int& argc, char** argv);
    ~TApplication() override;

    // Prepares the application for window creation: the application's name and icon, and the
    // toolkit's own texts in Slovak.
    void Initialize();

    // Creates a window of type TForm, stores it in `reference` and keeps it until the
    // application is destroyed. The first window created is the main window. Exceptions from
    // the window's construction propagate; `reference` is then left unchanged.
    template <class TForm> void CreateForm(TForm*& reference) {
        auto form = std::make_unique<TForm>();
        TForm* created = form.get();
        AdoptForm(std::move(form));
        reference = created;
    }

    // The first window created, nullptr before.
    QWidget* MainForm() const { return mainForm_; }

    // Shows the main window and handles events until it is closed; returns the loop's code.
    int Run();

    // Handles the pending events once and returns.
    void ProcessMessages();

    // Shows the exception's message with the error display now (outside the event loop).
    // Failures inside the event loop arrive on the failure channel instead.
    void ShowException(const std::exception& exception);

    // Replaces the error display; nullptr restores the default, a critical message box over
    // the main window titled with the application's name.
    void SetErrorDisplay(TErrorDisplay display);

    // Delivers the event inside the guard: an exception that escapes its handler is reported
    // on the failure channel and the event counts as not handled.
    bool notify(QObject* receiver, QEvent* event) override;

private:
    void AdoptForm(std::unique_ptr<QWidget> form);
    // Shows the message; while it is shown, the same message again (a failing paint repeated
    // under the message box) is not shown twice.
    void DisplayError(const QString& message);

    QTranslator toolkitTexts_;
    std::vector<std::unique_ptr<QWidget>> forms_;
    QWidget* mainForm_ = nullptr;
    TErrorDisplay errorDisplay_;
    QString shown_; // the message the error display is showing now
};

// The one application object while it exists, nullptr otherwise.
extern TApplication* Application;
