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
// errors that leave an event handler are shown to the user.
//
// The toolkit's widget libraries are built without exception tables, so a C++ exception must
// never unwind through their frames: every handler of ours catches std::exception at its own
// boundary and the window reports it through its HandlerFailed signal, which CreateForm connects
// to the error display; the override of notify only catches what still escapes.
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
    // A window that reports failed handlers through a HandlerFailed(QString) signal has it
    // connected to ShowHandlerError.
    template <class TForm> void CreateForm(TForm*& reference) {
        auto form = std::make_unique<TForm>();
        TForm* created = form.get();
        if constexpr (requires { &TForm::HandlerFailed; }) {
            connect(created, &TForm::HandlerFailed, this, &TApplication::ShowHandlerError,
                    Qt::QueuedConnection);
        }
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
    void ShowException(const std::exception& exception);

    // Shows the exception's message with the error display once control is back in the event
    // loop, that is after the failing handler has returned. Safe to call inside any handler.
    void HandleException(const std::exception& exception);

    // Shows the message of an exception that left a window's handler, through a queued
    // connection, so after that handler has returned.
    void ShowHandlerError(const QString& message);

    // Replaces the error display; nullptr restores the default, a critical message box over
    // the main window titled with the application's name.
    void SetErrorDisplay(TErrorDisplay display);

    // Delivers the event; a std::exception that escapes its handler goes to HandleException
    // and the event counts as not handled.
    bool notify(QObject* receiver, QEvent* event) override;

private:
    void AdoptForm(std::unique_ptr<QWidget> form);
    void DisplayError(const QString& message);

    QTranslator toolkitTexts_;
    std::vector<std::unique_ptr<QWidget>> forms_;
    QWidget* mainForm_ = nullptr;
    TErrorDisplay errorDisplay_;
};

// The one application object while it exists, nullptr otherwise.
extern TApplication* Application;
