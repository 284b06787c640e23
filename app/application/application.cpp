#include "application.h"

#include "app_icon.h"
#include "failure_channel.h"
#include "guard.h"

#include <QIcon>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QPixmap>
#include <QWidget>
#include <utility>

TApplication* Application = nullptr;

namespace {

// The name the installed desktop entry and icon carry.
constexpr auto kDesktopName = "cordic-demo";
// Every text of the program is Slovak, so the toolkit's own texts (context menus, dialog
// buttons) are Slovak too, whatever the system's language: Qt's catalogue for Slovak.
constexpr auto kToolkitCatalogue = "qtbase_sk";

} // namespace

TApplication::TApplication(int& argc, char** argv) : QApplication(argc, argv) {
    Q_ASSERT(Application == nullptr);
    Application = this;
    SetErrorDisplay(nullptr);
    connect(&TFailureChannel::Instance(), &TFailureChannel::Failed, this,
            &TApplication::DisplayError, Qt::QueuedConnection);
}

TApplication::~TApplication() {
    forms_.clear();
    Application = nullptr;
}

void TApplication::Initialize() {
    setApplicationName(QString::fromLatin1(kDesktopName));
    setDesktopFileName(QString::fromLatin1(kDesktopName));
    setWindowIcon(QIcon(QPixmap::fromImage(DrawAppIcon(kAppIconSize))));
    // Without the catalogue installed the toolkit's texts stay English; the program still runs.
    if (toolkitTexts_.load(QString::fromLatin1(kToolkitCatalogue),
                           QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        installTranslator(&toolkitTexts_);
    }
}

int TApplication::Run() {
    if (mainForm_ != nullptr) {
        mainForm_->show();
    }
    return exec();
}

void TApplication::ProcessMessages() {
    processEvents();
}

void TApplication::ShowException(const std::exception& exception) {
    DisplayError(QString::fromUtf8(exception.what()));
}

void TApplication::SetErrorDisplay(TErrorDisplay display) {
    if (display) {
        errorDisplay_ = std::move(display);
        return;
    }
    errorDisplay_ = [this](const QString& message) {
        QMessageBox::critical(mainForm_, applicationName(), message);
    };
}

bool TApplication::notify(QObject* receiver, QEvent* event) {
    return Guarded([&] { return QApplication::notify(receiver, event); }, [] { return false; });
}

void TApplication::AdoptForm(std::unique_ptr<QWidget> form) {
    if (mainForm_ == nullptr) {
        mainForm_ = form.get();
    }
    forms_.push_back(std::move(form));
}

void TApplication::DisplayError(const QString& message) {
    if (message == shown_) {
        return;
    }
    const QString outer = std::exchange(shown_, message);
    try {
        errorDisplay_(message);
    } catch (const std::exception& exception) {
        // The display itself failed: the console is the last place left to report to.
        qCritical("%s (while showing: %s)", exception.what(), qUtf8Printable(message));
    }
    shown_ = outer;
}
