// SPDX-License-Identifier: GPL-3.0-or-later
#include "leaveoutlist.h"

#include "cataloguelocation.h"
#include "cataloguereader.h"
#include "printable.h"
#include "runerror.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>

#include <algorithm>

namespace clubdraw {

namespace {

bool isBlank(QChar c) {
    return c == u' ' || c == u'\t';
}

// One field by the catalogue's rules: blanks before it skipped; quoted up to
// the next quote, else up to the comma with trailing blanks dropped. Moves
// `pos` to the comma or the end; empty when the field is malformed.
std::optional<QString> readField(QStringView line, qsizetype& pos) {
    while (pos < line.size() && isBlank(line[pos]))
        ++pos;
    if (pos < line.size() && line[pos] == u'"') {
        const qsizetype close = line.indexOf(u'"', pos + 1);
        if (close < 0)
            return std::nullopt;
        const QString value = line.sliced(pos + 1, close - pos - 1).toString();
        pos = close + 1;
        while (pos < line.size() && isBlank(line[pos]))
            ++pos;
        if (pos < line.size() && line[pos] != u',')
            return std::nullopt;
        return value;
    }
    qsizetype end = line.indexOf(u',', pos);
    if (end < 0)
        end = line.size();
    qsizetype last = end;
    while (last > pos && isBlank(line[last - 1]))
        --last;
    const QString value = line.sliced(pos, last - pos).toString();
    pos = end;
    return value;
}

std::optional<ClubIdentity> readLine(QStringView line) {
    qsizetype pos = 0;
    const auto nation = readField(line, pos);
    if (!nation || pos >= line.size())
        return std::nullopt;
    ++pos; // the comma
    const auto club = readField(line, pos);
    if (!club || pos != line.size() || nation->isEmpty() || club->isEmpty())
        return std::nullopt;
    return ClubIdentity{*nation, *club};
}

QString decodeText(QByteArrayView bytes) {
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes = bytes.sliced(3);
    QStringDecoder utf8(QStringDecoder::Utf8, QStringConverter::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return text;
    // A list saved by an old editor in the Windows code page.
    return decodeWindows1252(bytes);
}

// A field as the catalogue quotes its texts.
QByteArray quoted(const QString& text) {
    return '"' + text.toUtf8() + '"';
}

} // namespace

bool LeaveOutList::contains(const ClubIdentity& identity) const {
    return std::find(m_lines.begin(), m_lines.end(), identity) != m_lines.end();
}

bool LeaveOutList::add(const Club& club) {
    return add(clubIdentity(club));
}

bool LeaveOutList::add(const ClubIdentity& identity) {
    if (contains(identity))
        return false;
    m_lines.push_back(identity);
    return true;
}

bool LeaveOutList::remove(const ClubIdentity& identity) {
    const auto it = std::find(m_lines.begin(), m_lines.end(), identity);
    if (it == m_lines.end())
        return false;
    m_lines.erase(it);
    return true;
}

std::vector<int> LeaveOutList::notFound(const CatalogueLookup& lookup) const {
    std::vector<int> lines;
    for (int i = 0; i < count(); ++i) {
        if (!lookup.contains(m_lines[static_cast<std::size_t>(i)]))
            lines.push_back(i);
    }
    return lines;
}

std::uint16_t LeaveOutList::fingerprint(const CatalogueLookup& lookup) const {
    std::vector<ClubIdentity> found;
    for (const ClubIdentity& identity : m_lines) {
        if (lookup.contains(identity))
            found.push_back(identity);
    }
    std::sort(found.begin(), found.end());
    found.erase(std::unique(found.begin(), found.end()), found.end());
    QCryptographicHash hash(QCryptographicHash::Sha256);
    for (const ClubIdentity& identity : found) {
        // Each text ends in a zero byte, which no text holds: no two lists
        // hash alike by where their texts break.
        hash.addData(identity.first.toUtf8().append('\0'));
        hash.addData(identity.second.toUtf8().append('\0'));
    }
    const QByteArray digest = hash.result();
    return static_cast<std::uint16_t>((static_cast<unsigned char>(digest[0]) << 8) |
                                      static_cast<unsigned char>(digest[1]));
}

LeaveOutList LeaveOutList::parse(QByteArrayView bytes, const QString& source) {
    LeaveOutList list;
    const QString text = decodeText(bytes);
    const QList<QStringView> lines = QStringView(text).split(u'\n');
    for (qsizetype i = 0; i < lines.size(); ++i) {
        QStringView line = lines[i];
        if (line.endsWith(u'\r'))
            line.chop(1);
        if (line.trimmed().isEmpty())
            continue;
        const auto identity = readLine(line);
        if (!identity)
            throw RunError(RunError::MalformedLine,
                           tr("Line %1 of %2 is not \"Nation\",\"Club\"").arg(i + 1).arg(source));
        list.add(*identity);
    }
    return list;
}

LeaveOutList LeaveOutList::read(const QString& path) {
    if (!QFileInfo(path).isSymLink() && !QFileInfo::exists(path))
        return {};
    const QByteArray bytes = readCatalogueFile(path);
    return parse(QByteArrayView(bytes), shownPath(path));
}

QByteArray LeaveOutList::toBytes() const {
    QByteArray bytes;
    for (const ClubIdentity& identity : m_lines)
        bytes += quoted(identity.first) + ',' + quoted(identity.second) + '\n';
    return bytes;
}

void LeaveOutList::save(const QString& path) const {
    const QString shown = shownPath(path);
    const QFileInfo info(path);
    if (!QDir().mkpath(info.absolutePath()))
        throw RunError(RunError::FileUnreadable,
                       tr("Cannot make the folder %1").arg(shownPath(info.absolutePath())));
    QSaveFile file(path);
    const QByteArray bytes = toBytes();
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        throw RunError(RunError::FileUnreadable, shown + QStringLiteral(": ") + file.errorString());
}

QString defaultLeaveOutPath() {
    const QString folder = userDataFolder();
    return folder.isEmpty() ? QString() : QDir(folder).filePath(QStringLiteral("left-out.txt"));
}

} // namespace clubdraw
