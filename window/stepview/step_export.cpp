#include "step_export.h"

#include "plots_picture.h"
#include "step_csv.h"
#include "step_plot.h"
#include "step_rows.h"
#include "vector_geometry.h"
#include "whole_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <string_view>
#include <system_error>
#include <utility>

namespace {

const QString kTitlePicture = QStringLiteral("Uložiť obrázok");
const QString kTitleSteps = QStringLiteral("Uložiť všetky kroky");
const QString kTitleTable = QStringLiteral("Uložiť tabuľku");
const QString kFiltersPicture = QStringLiteral("Obrázok PNG (*.png);;Obrázok SVG (*.svg)");
const QString kFiltersTable = QStringLiteral("Tabuľka CSV (*.csv)");
const QString kNothingYet =
    QStringLiteral("Zatiaľ nie je čo uložiť: najprv spustite výpočet tlačidlom Spustiť.");

// "krok-07.png": the row's index in two digits.
QString StepFileName(int row) {
    return QStringLiteral("krok-%1.png").arg(row, 2, 10, QLatin1Char('0'));
}

// `path` with `suffix` ("png") appended unless it ends in one of `accepted` already.
QString WithSuffix(const QString& path, const QString& suffix, const QStringList& accepted) {
    const QString own = QFileInfo(path).suffix().toLower();
    return accepted.contains(own) ? path : path + QLatin1Char('.') + suffix;
}

QString Native(const QString& path) {
    return QDir::toNativeSeparators(path);
}

// "θ = 0.523599 rad (30°), krok 3": what a picture of `row` shows.
QString Caption(const TStepRows& rows, int row) {
    return QString::fromStdString(
        PictureCaption(rows.Theta(), rows.Row(static_cast<std::size_t>(row))));
}

QString Cause(int error) {
    return QString::fromStdString(FileFailureCause(error));
}

// Writes `data` whole to `path`; the Slovak reason on failure, naming `shownName` (the file as
// the user knows it) and `shownFolder`; empty on success.
QString WriteWhole(const QString& path, const QByteArray& data, const QString& shownName,
                   const QString& shownFolder) {
    const auto failure = WriteWholeFile(QFile::encodeName(path).toStdString(),
                                        std::string_view(data.constData(), data.size()));
    return failure ? QString::fromStdString(FileFailureText(*failure, shownName.toStdString(),
                                                            shownFolder.toStdString()))
                   : QString();
}

QString WriteWhole(const QString& path, const QByteArray& data) {
    return WriteWhole(path, data, Native(path), Native(QFileInfo(path).absolutePath()));
}

// Shows again, when it goes, the rows the plots showed when it was made.
class TShownRowsKeeper {
public:
    explicit TShownRowsKeeper(const std::vector<TStepPlot*>& plots) : plots_(plots) {
        for (const TStepPlot* plot : plots_) {
            rows_.push_back(plot->RequestedRow());
        }
    }
    ~TShownRowsKeeper() {
        for (std::size_t index = 0; index < plots_.size(); ++index) {
            plots_[index]->ShowRow(rows_[index]);
        }
    }
    TShownRowsKeeper(const TShownRowsKeeper&) = delete;
    TShownRowsKeeper& operator=(const TShownRowsKeeper&) = delete;

private:
    const std::vector<TStepPlot*>& plots_;
    std::vector<int> rows_;
};

// A hidden folder ".kroky-XXXXXX" in `parent`, removed with all it holds when it goes.
class TStagingFolder {
public:
    explicit TStagingFolder(const QString& parent) {
        std::string name =
            QFile::encodeName(QDir(parent).filePath(QStringLiteral(".kroky-XXXXXX"))).toStdString();
        if (::mkdtemp(name.data()) == nullptr) {
            error_ = errno;
            return;
        }
        path_ = name;
    }
    ~TStagingFolder() {
        if (!path_.empty()) {
            std::error_code ignored;
            std::filesystem::remove_all(path_, ignored);
        }
    }
    TStagingFolder(const TStagingFolder&) = delete;
    TStagingFolder& operator=(const TStagingFolder&) = delete;

    bool Valid() const { return !path_.empty(); }
    int Error() const { return error_; }
    QString Path() const { return QFile::decodeName(path_.c_str()); }

private:
    std::string path_;
    int error_ = 0;
};

} // namespace

TStepExport::TStepExport(std::unique_ptr<IExportDialogs> dialogs) : dialogs_(std::move(dialogs)) {}

TStepExport::~TStepExport() = default;

void TStepExport::SetDialogs(std::unique_ptr<IExportDialogs> dialogs) {
    dialogs_ = std::move(dialogs);
}

QString TStepExport::StartFolder(bool pictures) const {
    if (!lastFolder_.isEmpty()) {
        return lastFolder_;
    }
    const QString folder = QStandardPaths::writableLocation(
        pictures ? QStandardPaths::PicturesLocation : QStandardPaths::DocumentsLocation);
    return QFileInfo(folder).isDir() ? folder : QDir::homePath();
}

bool TStepExport::MayReplace(const QString& title, const QString& path) {
    const QFileInfo info(path);
    if (!info.exists()) {
        return true;
    }
    if (info.isDir()) {
        dialogs_->Warn(
            title,
            QStringLiteral("„%1“ je priečinok, nie súbor. Nič sa neuložilo.").arg(Native(path)));
        return false;
    }
    return dialogs_->Confirm(
        title, QStringLiteral("Súbor „%1“ už existuje. Chcete ho nahradiť?").arg(info.fileName()));
}

QString TStepExport::Write(const QString& title, const QString& path, const QByteArray& data) {
    const QString failure = WriteWhole(path, data);
    if (!failure.isEmpty()) {
        dialogs_->Warn(title, failure);
        return {};
    }
    lastFolder_ = QFileInfo(path).absolutePath();
    return QStringLiteral("Uložené: %1").arg(Native(path));
}

QString TStepExport::SavePicture(const std::vector<TStepPlot*>& plots, const TStepRows& rows,
                                 int shownRow) {
    if (shownRow < 0) {
        dialogs_->Warn(kTitlePicture, kNothingYet);
        return {};
    }
    const QString chosen = dialogs_->SaveFileName(
        kTitlePicture, QDir(StartFolder(true)).filePath(StepFileName(shownRow)), kFiltersPicture);
    if (chosen.isEmpty()) {
        return {};
    }
    const QString path =
        WithSuffix(chosen, QStringLiteral("png"), {QStringLiteral("png"), QStringLiteral("svg")});
    if (!MayReplace(kTitlePicture, path)) {
        return {};
    }
    const bool svg = QFileInfo(path).suffix().toLower() == QStringLiteral("svg");
    const QString caption = Caption(rows, shownRow);
    return Write(kTitlePicture, path, svg ? PlotsSvg(plots, caption) : PlotsPng(plots, caption));
}

QString TStepExport::SaveAllSteps(const std::vector<TStepPlot*>& plots, const TStepRows& rows) {
    const int rowCount = static_cast<int>(rows.Count());
    if (rowCount <= 0) {
        dialogs_->Warn(kTitleSteps, kNothingYet);
        return {};
    }
    const QString folder = dialogs_->Folder(kTitleSteps, StartFolder(true));
    if (folder.isEmpty()) {
        return {};
    }
    const QDir target(folder);
    int existing = 0;
    for (int row = 0; row < rowCount; ++row) {
        existing += QFileInfo::exists(target.filePath(StepFileName(row))) ? 1 : 0;
    }
    if (existing > 0 &&
        !dialogs_->Confirm(kTitleSteps,
                           QStringLiteral("V priečinku „%1“ už je %2 zo súborov %3 až %4. "
                                          "Chcete ich nahradiť?")
                               .arg(Native(folder))
                               .arg(existing)
                               .arg(StepFileName(0), StepFileName(rowCount - 1)))) {
        return {};
    }
    // Every picture is written here first; the folder goes with whatever is left in it.
    const TStagingFolder staging(target.absolutePath());
    if (!staging.Valid()) {
        dialogs_->Warn(kTitleSteps,
                       QStringLiteral("Do priečinka „%1“ sa nedá zapisovať: %2. Nič sa neuložilo.")
                           .arg(Native(folder), Cause(staging.Error())));
        return {};
    }
    {
        const TShownRowsKeeper keeper(plots);
        for (int row = 0; row < rowCount; ++row) {
            for (TStepPlot* plot : plots) {
                plot->ShowRow(row);
            }
            const QString failure =
                WriteWhole(QDir(staging.Path()).filePath(StepFileName(row)),
                           PlotsPng(plots, Caption(rows, row)),
                           Native(target.filePath(StepFileName(row))), Native(folder));
            if (!failure.isEmpty()) {
                dialogs_->Warn(kTitleSteps, failure);
                return {};
            }
        }
    }
    // Each rename replaces its file at once, on the same disk.
    for (int row = 0; row < rowCount; ++row) {
        std::error_code error;
        std::filesystem::rename(
            QFile::encodeName(QDir(staging.Path()).filePath(StepFileName(row))).toStdString(),
            QFile::encodeName(target.filePath(StepFileName(row))).toStdString(), error);
        if (error && row == 0) {
            dialogs_->Warn(kTitleSteps,
                           QStringLiteral("Súbory sa nepodarilo presunúť do priečinka „%1“: %2. "
                                          "Nič sa neuložilo.")
                               .arg(Native(folder), Cause(error.value())));
            return {};
        }
        if (error) {
            dialogs_->Warn(kTitleSteps,
                           QStringLiteral("Súbor %1 sa nepodarilo presunúť do priečinka „%2“: "
                                          "%3. Uložené sú len súbory %4 až %5.")
                               .arg(StepFileName(row), Native(folder), Cause(error.value()),
                                    StepFileName(0), StepFileName(row - 1)));
            return {};
        }
    }
    lastFolder_ = target.absolutePath();
    return QStringLiteral("Uložené: %1 až %2 v priečinku %3")
        .arg(StepFileName(0), StepFileName(rowCount - 1), Native(folder));
}

QString TStepExport::SaveTable(const TStepRows& rows) {
    if (rows.Count() == 0) {
        dialogs_->Warn(kTitleTable, kNothingYet);
        return {};
    }
    const QString chosen = dialogs_->SaveFileName(
        kTitleTable, QDir(StartFolder(false)).filePath(QStringLiteral("kroky.csv")), kFiltersTable);
    if (chosen.isEmpty()) {
        return {};
    }
    const QString path = WithSuffix(chosen, QStringLiteral("csv"), {QStringLiteral("csv")});
    if (!MayReplace(kTitleTable, path)) {
        return {};
    }
    const std::string csv = StepTableCsv(rows);
    return Write(kTitleTable, path, QByteArray(csv.data(), static_cast<qsizetype>(csv.size())));
}
