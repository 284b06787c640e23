#include "step_export.h"

#include "plots_picture.h"
#include "step_csv.h"
#include "step_plot.h"
#include "step_rows.h"
#include "vector_geometry.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <system_error>
#include <utility>

namespace {

const QString kTitlePicture = QStringLiteral("Uložiť obrázok");
const QString kTitleSteps = QStringLiteral("Uložiť všetky kroky");
const QString kTitleTable = QStringLiteral("Uložiť tabuľku");
const QString kFiltersTable = QStringLiteral("Tabuľka CSV (*.csv)");
const QString kNothingYet =
    QStringLiteral("Zatiaľ nie je čo uložiť: najprv spustite výpočet tlačidlom Spustiť.");

// "krok-07.png": the row's index in two digits.
QString StepFileName(int row) {
    return QStringLiteral("krok-%1.png").arg(row, 2, 10, QLatin1Char('0'));
}

// "θ = 0.523599 rad (30°), krok 3": what a picture of `row` shows.
QString Caption(const TStepRows& rows, int row) {
    return QString::fromStdString(
        PictureCaption(rows.Theta(), rows.Row(static_cast<std::size_t>(row))));
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

// The plots as the picture functions take them.
std::vector<QWidget*> Widgets(const std::vector<TStepPlot*>& plots) {
    return {plots.begin(), plots.end()};
}

} // namespace

TStepExport::TStepExport(std::unique_ptr<IExportDialogs> dialogs) : saving_(std::move(dialogs)) {}

TStepExport::~TStepExport() = default;

void TStepExport::SetDialogs(std::unique_ptr<IExportDialogs> dialogs) {
    saving_.SetDialogs(std::move(dialogs));
}

QString TStepExport::SavePicture(const std::vector<TStepPlot*>& plots, const TStepRows& rows,
                                 int shownRow) {
    if (shownRow < 0) {
        saving_.Dialogs().Warn(kTitlePicture, kNothingYet);
        return {};
    }
    const QString caption = Caption(rows, shownRow);
    const QString path = saving_.SavePicture(kTitlePicture, StepFileName(shownRow), Widgets(plots),
                                             caption, caption);
    return path.isEmpty() ? QString() : QStringLiteral("Uložené: %1").arg(NativePath(path));
}

QString TStepExport::SaveAllSteps(const std::vector<TStepPlot*>& plots, const TStepRows& rows) {
    IExportDialogs& dialogs = saving_.Dialogs();
    const int rowCount = static_cast<int>(rows.Count());
    if (rowCount <= 0) {
        dialogs.Warn(kTitleSteps, kNothingYet);
        return {};
    }
    const QString folder =
        dialogs.Folder(kTitleSteps, saving_.StartFolder(TFileSaving::TStart::Pictures));
    if (folder.isEmpty()) {
        return {};
    }
    const QDir target(folder);
    int existing = 0;
    for (int row = 0; row < rowCount; ++row) {
        existing += QFileInfo::exists(target.filePath(StepFileName(row))) ? 1 : 0;
    }
    if (existing > 0 &&
        !dialogs.Confirm(kTitleSteps, QStringLiteral("V priečinku „%1“ už je %2 zo súborov %3 "
                                                     "až %4. Chcete ich nahradiť?")
                                          .arg(NativePath(folder))
                                          .arg(existing)
                                          .arg(StepFileName(0), StepFileName(rowCount - 1)))) {
        return {};
    }
    // Every picture is written here first; the folder goes with whatever is left in it.
    const TStagingFolder staging(target.absolutePath());
    if (!staging.Valid()) {
        dialogs.Warn(kTitleSteps,
                     QStringLiteral("Do priečinka „%1“ sa nedá zapisovať: %2. Nič sa neuložilo.")
                         .arg(NativePath(folder), FailureCause(staging.Error())));
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
                           PlotsPng(Widgets(plots), Caption(rows, row)),
                           NativePath(target.filePath(StepFileName(row))), NativePath(folder));
            if (!failure.isEmpty()) {
                dialogs.Warn(kTitleSteps, failure);
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
            dialogs.Warn(kTitleSteps,
                         QStringLiteral("Súbory sa nepodarilo presunúť do priečinka „%1“: %2. "
                                        "Nič sa neuložilo.")
                             .arg(NativePath(folder), FailureCause(error.value())));
            return {};
        }
        if (error) {
            dialogs.Warn(kTitleSteps,
                         QStringLiteral("Súbor %1 sa nepodarilo presunúť do priečinka „%2“: "
                                        "%3. Uložené sú len súbory %4 až %5.")
                             .arg(StepFileName(row), NativePath(folder),
                                  FailureCause(error.value()), StepFileName(0),
                                  StepFileName(row - 1)));
            return {};
        }
    }
    saving_.Remember(target.absolutePath());
    return QStringLiteral("Uložené: %1 až %2 v priečinku %3")
        .arg(StepFileName(0), StepFileName(rowCount - 1), NativePath(folder));
}

QString TStepExport::SaveTable(const TStepRows& rows) {
    if (rows.Count() == 0) {
        saving_.Dialogs().Warn(kTitleTable, kNothingYet);
        return {};
    }
    const QString path =
        saving_.ChooseFile(kTitleTable, QStringLiteral("kroky.csv"), kFiltersTable,
                           TFileSaving::TStart::Documents, {QStringLiteral("csv")});
    if (path.isEmpty()) {
        return {};
    }
    const std::string csv = StepTableCsv(rows);
    if (!saving_.Write(kTitleTable, path,
                       QByteArray(csv.data(), static_cast<qsizetype>(csv.size())))) {
        return {};
    }
    return QStringLiteral("Uložené: %1").arg(NativePath(path));
}
