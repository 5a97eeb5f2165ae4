// SPDX-License-Identifier: GPL-3.0-or-later
#include "WindowMemory.h"

#include "app/Language.h"
#include "model/NumberText.h"

#include <QFileInfo>
#include <QSettings>

namespace zindle {

namespace {

const QString RecentKey = QStringLiteral("RecentFiles");
const QString GeometryKey = QStringLiteral("MainWindow/Geometry");
const QString HighContrastKey = QStringLiteral("Sheet/HighContrast");
const QString CutMachineKey = QStringLiteral("CutExport/Machine");
const QString CutKerfKey = QStringLiteral("CutExport/Kerf");
const QString CutColoursKey = QStringLiteral("CutExport/Colours");
const QString CutBoardKey = QStringLiteral("CutExport/Board");
const QString CutGapKey = QStringLiteral("CutExport/Gap");
// "material=kerf" per entry: a material's name may hold a slash, which a key would take for a group.
const QString CutKerfByMaterialKey = QStringLiteral("CutExport/KerfByMaterial");

// One spelling per file: absolute, with links resolved when the file exists.
QString fileKey(const QString &path)
{
    const QFileInfo info(path);
    const QString canonical = info.canonicalFilePath();
    return canonical.isEmpty() ? info.absoluteFilePath() : canonical;
}

} // namespace

WindowMemory::WindowMemory()
    : WindowMemory(std::make_unique<QSettings>(QStringLiteral("Zindle"), QStringLiteral("zindle")))
{
}

WindowMemory::WindowMemory(std::unique_ptr<QSettings> settings) : settings_(std::move(settings)) {}

WindowMemory::~WindowMemory() = default;

QStringList WindowMemory::recentFiles() const
{
    QStringList files = settings_->value(RecentKey).toStringList();
    files.removeAll(QString());
    while (files.size() > RecentFileCount)
        files.removeLast();
    return files;
}

void WindowMemory::storeRecent(const QStringList &files)
{
    settings_->setValue(RecentKey, files);
    settings_->sync();
}

void WindowMemory::addRecentFile(const QString &path)
{
    if (path.isEmpty())
        return;
    const QString key = fileKey(path);
    QStringList files = recentFiles();
    files.removeIf([&key](const QString &file) { return fileKey(file) == key; });
    files.prepend(key);
    while (files.size() > RecentFileCount)
        files.removeLast();
    storeRecent(files);
}

void WindowMemory::removeRecentFile(const QString &path)
{
    const QString key = fileKey(path);
    QStringList files = recentFiles();
    files.removeIf([&key, &path](const QString &file) { return file == path || fileKey(file) == key; });
    storeRecent(files);
}

void WindowMemory::clearRecentFiles() { storeRecent({}); }

QByteArray WindowMemory::windowGeometry() const { return settings_->value(GeometryKey).toByteArray(); }

void WindowMemory::setWindowGeometry(const QByteArray &geometry)
{
    settings_->setValue(GeometryKey, geometry);
    settings_->sync();
}

bool WindowMemory::highContrastSheet() const { return settings_->value(HighContrastKey, false).toBool(); }

void WindowMemory::setHighContrastSheet(bool on)
{
    settings_->setValue(HighContrastKey, on);
    settings_->sync();
}

QString WindowMemory::language() const { return settings_->value(QLatin1String(LanguageSettingKey)).toString(); }

void WindowMemory::setLanguage(const QString &code)
{
    settings_->setValue(QLatin1String(LanguageSettingKey), code);
    settings_->sync();
}

CutExportChoices WindowMemory::cutExportChoices() const
{
    CutExportChoices choices;
    const auto text = [this](const QString &key) { return settings_->value(key).toString(); };
    choices.machine = CutMachineNamed(text(CutMachineKey)).value_or(choices.machine);
    choices.colours = cutColoursNamed(text(CutColoursKey)).value_or(choices.colours);
    // Numbers as locale-free text: a store written under one locale reads the same under any.
    if (const std::optional<double> kerf = parseDouble(text(CutKerfKey)); kerf && *kerf >= 0.0 && *kerf <= MaxKerfIn)
        choices.kerfIn = *kerf;
    if (const std::optional<double> gap = parseDouble(text(CutGapKey)); gap && *gap >= MinPartGapIn && *gap <= MaxPartGapIn)
        choices.gapIn = *gap;
    for (const QString &entry : settings_->value(CutKerfByMaterialKey).toStringList()) {
        const qsizetype split = entry.lastIndexOf(QLatin1Char('='));
        const std::optional<double> kerf = split > 0 ? parseDouble(entry.mid(split + 1)) : std::nullopt;
        if (kerf && *kerf >= 0.0 && *kerf <= MaxKerfIn)
            choices.kerfByMaterial[entry.left(split)] = *kerf;
    }
    if (ParseBoardSize(text(CutBoardKey)))
        choices.board = text(CutBoardKey);
    return choices;
}

void WindowMemory::setCutExportChoices(const CutExportChoices &choices)
{
    settings_->setValue(CutMachineKey, cutMachineName(choices.machine));
    settings_->setValue(CutKerfKey, doubleText(choices.kerfIn));
    settings_->setValue(CutColoursKey, cutColoursName(choices.colours));
    settings_->setValue(CutBoardKey, choices.board);
    settings_->setValue(CutGapKey, doubleText(choices.gapIn));
    QStringList kerfs;
    for (const auto &[material, kerf] : choices.kerfByMaterial)
        kerfs << material + QLatin1Char('=') + doubleText(kerf);
    settings_->setValue(CutKerfByMaterialKey, kerfs);
    settings_->sync();
}

} // namespace zindle
