#include "file_saving.h"

#include "plots_picture.h"
#include "whole_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <string_view>
#include <utility>

TFileSaving::TFileSaving(std::unique_ptr<IExportDialogs> dialogs) : dialogs_(std::move(dialogs)) {}

TFileSaving::~TFileSaving() = default;

void TFileSaving::SetDialogs(std::unique_ptr<IExportDialogs> dialogs) {
    dialogs_ = std::move(dialogs);
}

QString TFileSaving::StartFolder(TStart start) const {
    if (!lastFolder_.isEmpty()) {
        return lastFolder_;
    }
    const QString folder = QStandardPaths::writableLocation(
        start == TStart::Pictures ? QStandardPaths::PicturesLocation
                                  : QStandardPaths::DocumentsLocation);
    return QFileInfo(folder).isDir() ? folder : QDir::homePath();
}

QString TFileSaving::ChooseFile(const QString& title, const QString& name, const QString& filters,
                                TStart start, const QStringList& suffixes) {
    const QString chosen =
        dialogs_->SaveFileName(title, QDir(StartFolder(start)).filePath(name), filters);
    if (chosen.isEmpty()) {
        return {};
    }
    const QString path = suffixes.contains(QFileInfo(chosen).suffix().toLower())
                             ? chosen
                             : chosen + QLatin1Char('.') + suffixes.front();
    const QFileInfo info(path);
    if (!info.exists()) {
        return path;
    }
    if (info.isDir()) {
        dialogs_->Warn(title, QStringLiteral("„%1“ je priečinok, nie súbor. Nič sa neuložilo.")
                                  .arg(NativePath(path)));
        return {};
    }
    const bool replace = dialogs_->Confirm(
        title, QStringLiteral("Súbor „%1“ už existuje. Chcete ho nahradiť?").arg(info.fileName()));
    return replace ? path : QString();
}

bool TFileSaving::Write(const QString& title, const QString& path, const QByteArray& data) {
    const QString failure =
        WriteWhole(path, data, NativePath(path), NativePath(QFileInfo(path).absolutePath()));
    if (!failure.isEmpty()) {
        dialogs_->Warn(title, failure);
        return false;
    }
    lastFolder_ = QFileInfo(path).absolutePath();
    return true;
}

QString TFileSaving::SavePicture(const QString& title, const QString& name,
                                 const std::vector<QWidget*>& plots, const QString& svgTitle,
                                 const QString& caption) {
    const QString path =
        ChooseFile(title, name, QStringLiteral("Obrázok PNG (*.png);;Obrázok SVG (*.svg)"),
                   TStart::Pictures, {QStringLiteral("png"), QStringLiteral("svg")});
    if (path.isEmpty()) {
        return {};
    }
    const bool svg = QFileInfo(path).suffix().toLower() == QStringLiteral("svg");
    const QByteArray data = svg ? PlotsSvg(plots, svgTitle, caption) : PlotsPng(plots, caption);
    return Write(title, path, data) ? path : QString();
}

QString NativePath(const QString& path) {
    return QDir::toNativeSeparators(path);
}

QString FailureCause(int error) {
    return QString::fromStdString(FileFailureCause(error));
}

QString WriteWhole(const QString& path, const QByteArray& data, const QString& shownName,
                   const QString& shownFolder) {
    const auto failure = WriteWholeFile(QFile::encodeName(path).toStdString(),
                                        std::string_view(data.constData(), data.size()));
    return failure ? QString::fromStdString(FileFailureText(*failure, shownName.toStdString(),
                                                            shownFolder.toStdString()))
                   : QString();
}
