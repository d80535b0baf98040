// SPDX-License-Identifier: GPL-3.0-or-later
#include "testsupport.h"

#include "core/cataloguelocation.h"
#include "core/translations.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QStandardPaths>

namespace clubdraw::testing {

QString line(const QString& nation, const QString& division, const QString& suffix, int flag,
             const QString& club) {
    return QStringLiteral("\"%1\",\"%2\",\"%3\",%4,\"%5\"\r\n")
        .arg(nation, division, suffix)
        .arg(flag)
        .arg(club);
}

CandidatePool poolOf(std::initializer_list<const char*> clubs, const char* nation,
                     const char* division, const char* suffix) {
    CandidatePool pool;
    for (const char* club : clubs)
        pool.add(Club{QString::fromLatin1(nation), QString::fromLatin1(division),
                      QString::fromLatin1(suffix), 0, QString::fromLatin1(club)});
    return pool;
}

QStringList clubNames(const CandidatePool& pool) {
    QStringList names;
    for (const Club& club : pool.entries())
        names << club.name;
    return names;
}

Catalogue catalogueOf(const QStringList& lines) {
    return Catalogue::parse(lines.join(QString()));
}

ProgramFolder::ProgramFolder(const QByteArray& catalogueBytes) {
    QFile file(this->file());
    if (file.open(QIODevice::WriteOnly))
        file.write(catalogueBytes);
}

ProgramFolder::ProgramFolder() = default;

QString ProgramFolder::file() const {
    return cataloguePathIn(m_dir.path());
}

#ifdef Q_OS_WIN
// Windows' known folders cannot be moved by the environment. Qt's test mode
// moves the user's data folder aside; the system's is the machine's own
// ProgramData (a throwaway prefix's, under Wine), left alone when a
// clubdraw folder was there before.
ScratchDataFolders::ScratchDataFolders() {
    QStandardPaths::setTestModeEnabled(true);
    QDir(userFolder()).removeRecursively();
    m_ownsSystemFolder = !QFileInfo::exists(systemFolder());
}

ScratchDataFolders::~ScratchDataFolders() {
    QDir(userFolder()).removeRecursively();
    if (m_ownsSystemFolder)
        QDir(systemFolder()).removeRecursively();
    QStandardPaths::setTestModeEnabled(false);
}

QString ScratchDataFolders::userFolder() const {
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation))
        .filePath(QStringLiteral("clubdraw"));
}

QString ScratchDataFolders::systemFolder() const {
    return QDir(QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation).value(1))
        .filePath(QStringLiteral("clubdraw"));
}
#else
ScratchDataFolders::ScratchDataFolders()
    : m_oldHome(qgetenv("XDG_DATA_HOME")), m_oldDirs(qgetenv("XDG_DATA_DIRS")) {
    qputenv("XDG_DATA_HOME", m_dir.filePath(QStringLiteral("home")).toLocal8Bit());
    qputenv("XDG_DATA_DIRS", m_dir.filePath(QStringLiteral("system")).toLocal8Bit());
}

ScratchDataFolders::~ScratchDataFolders() {
    qputenv("XDG_DATA_HOME", m_oldHome);
    qputenv("XDG_DATA_DIRS", m_oldDirs);
}

QString ScratchDataFolders::userFolder() const {
    return m_dir.filePath(QStringLiteral("home/clubdraw"));
}

QString ScratchDataFolders::systemFolder() const {
    return m_dir.filePath(QStringLiteral("system/clubdraw"));
}

#endif

QString ScratchDataFolders::put(const QString& folder, const QByteArray& bytes) {
    QDir().mkpath(folder);
    const QString path = cataloguePathIn(folder);
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
    return path;
}

QByteArray generatedCatalogue(int count, const QString& nation, int divisions) {
    QByteArray bytes;
    bytes.reserve(count * 48);
    for (int i = 1; i <= count; ++i)
        bytes +=
            line(nation, QStringLiteral("Division %1").arg(divisions <= 1 ? 1 : i % divisions + 1),
                 QString(), i % 2, QStringLiteral("Team %1").arg(i))
                .toLatin1();
    return bytes;
}

void installTestLanguage() {
    installTranslations(
        QLocale(QString::fromLocal8Bit(qgetenv("CLUBDRAW_TEST_LANGUAGE"))).uiLanguages());
}

SteadyClock racingClock() {
    return [now = std::int64_t{0}]() mutable { return now += 1000; };
}

} // namespace clubdraw::testing
