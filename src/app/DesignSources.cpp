// SPDX-License-Identifier: GPL-3.0-or-later
#include "DesignSources.h"

#include "files/PathText.h"

#include <QSet>
#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstring>
#include <dirent.h>
#include <sys/stat.h>

namespace zindle {

namespace {

const QByteArray DesignSuffix = QByteArrayLiteral(".zndl");

FileText systemReason(int error) { return FileText::plain(QString::fromLocal8Bit(std::strerror(error))); }

bool hasDesignSuffix(const QByteArray &name)
{
    return name.size() >= DesignSuffix.size() && name.right(DesignSuffix.size()).toLower() == DesignSuffix;
}

// What the system can open: a path of PATH_MAX bytes or more is refused by every call.
bool withinPathLimit(const QByteArray &path) { return path.size() < PATH_MAX; }

FileText pathLimitReason()
{
    return FileText(QT_TRANSLATE_NOOP("FileErrors", "its path is longer than the system's limit of %1 bytes"))
        .arg(PATH_MAX - 1);
}

FileText notRegular() { return FileText(QT_TRANSLATE_NOOP("FileErrors", "it is not a regular file")); }

class FolderWalk {
public:
    std::vector<DesignSource> found;

    void walk(const QByteArray &folder)
    {
        DIR *dir = ::opendir(folder.constData());
        if (!dir) {
            const int error = errno;
            refuse(folder,
                   FileText(QT_TRANSLATE_NOOP("FileErrors", "the folder cannot be read: %1")).arg(systemReason(error)));
            return;
        }
        // Names first and the folder closed again, so that a deep tree holds one folder open.
        std::vector<std::pair<QByteArray, unsigned char>> names;
        while (const dirent *entry = ::readdir(dir)) {
            const QByteArray name(entry->d_name);
            if (name != "." && name != "..")
                names.emplace_back(name, entry->d_type);
        }
        ::closedir(dir);
        const QByteArray prefix = folder.endsWith('/') ? folder : folder + '/';
        for (const auto &[name, type] : names)
            visit(prefix + name, hasDesignSuffix(name), type);
    }

private:
    void visit(const QByteArray &path, bool designName, unsigned char type)
    {
        if (!withinPathLimit(path)) {
            // Nothing can be opened there; a folder may hold designs, which the user must know of.
            if (type == DT_DIR || type == DT_UNKNOWN)
                refuse(path, FileText(QT_TRANSLATE_NOOP("FileErrors", "its path is longer than the system's limit "
                                                                      "of %1 bytes; the designs in it were not read"))
                                 .arg(PATH_MAX - 1));
            else if (designName)
                refuse(path, pathLimitReason());
            return;
        }
        struct stat info {};
        if (::lstat(path.constData(), &info) != 0) {
            if (designName)
                refuse(path, systemReason(errno));
            return;
        }
        if (S_ISDIR(info.st_mode)) {
            walk(path);
            return;
        }
        if (!designName)
            return;
        // A link is followed to a file, never to a folder (a loop would never end).
        if (S_ISLNK(info.st_mode) && ::stat(path.constData(), &info) != 0) {
            refuse(path, systemReason(errno));
            return;
        }
        if (S_ISREG(info.st_mode))
            found.push_back({pathFromBytes(path), FileText()});
        else if (!S_ISDIR(info.st_mode))
            refuse(path, notRegular());
    }

    void refuse(const QByteArray &path, const FileText &reason) { found.push_back({pathFromBytes(path), reason}); }
};

// The file itself where it exists, so that two names of one file count once.
QString identity(const QString &path)
{
    struct stat info {};
    if (::stat(pathToBytes(path).constData(), &info) != 0)
        return QStringLiteral("name:") + path;
    return QStringLiteral("file:%1:%2").arg(info.st_dev).arg(info.st_ino);
}

} // namespace

DesignSources::DesignSources(const QStringList &paths)
{
    for (const QString &path : paths)
        entries.push_back({path, FileText()});
}

QStringList DesignSources::paths() const
{
    QStringList list;
    for (const DesignSource &entry : entries)
        list << entry.path;
    return list;
}

DesignSources CollectDesignSources(const QStringList &arguments)
{
    DesignSources sources;
    QSet<QString> seen;
    auto take = [&](const DesignSource &source) {
        // A refused entry is told once, by its name; a file by what it is.
        const QString key = source.refusal.isEmpty() ? identity(source.path) : QStringLiteral("name:") + source.path;
        if (seen.contains(key))
            return;
        seen.insert(key);
        sources.entries.push_back(source);
    };
    for (const QString &argument : arguments) {
        const QByteArray bytes = pathToBytes(argument);
        struct stat info {};
        if (::stat(bytes.constData(), &info) != 0) {
            take({argument, FileText()}); // the reading says why (or it is a built-in's name)
            continue;
        }
        if (!S_ISDIR(info.st_mode)) {
            // A pipe or device named here would block the reading or never end.
            take({argument, S_ISREG(info.st_mode) ? FileText() : notRegular()});
            continue;
        }
        FolderWalk walk;
        walk.walk(bytes);
        // Plain code-unit order: the same on every machine and in every locale.
        std::sort(walk.found.begin(), walk.found.end(),
                  [](const DesignSource &a, const DesignSource &b) { return a.path < b.path; });
        for (const DesignSource &source : walk.found)
            take(source);
    }
    return sources;
}

} // namespace zindle
