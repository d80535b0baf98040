// SPDX-License-Identifier: GPL-3.0-or-later
#include "printable.h"

#include <QDir>
#include <QFileInfo>

namespace clubdraw {

namespace {

constexpr char32_t zeroWidthJoiner = 0x200D;
constexpr char32_t cancelTag = 0xE007F;

// The pictographs that emoji sequences join; close enough without the
// Unicode emoji tables, which Qt does not carry.
bool isEmoji(char32_t c) {
    return (c >= 0x1F000 && c <= 0x1FAFF) || (c >= 0x2600 && c <= 0x27BF) ||
           (c >= 0x2300 && c <= 0x23FF) || (c >= 0x2B00 && c <= 0x2BFF) ||
           (c >= 0x2190 && c <= 0x21FF) || (c >= 0x25A0 && c <= 0x25FF) || c == 0x00A9 ||
           c == 0x00AE || c == 0x203C || c == 0x2049 || c == 0x2122 || c == 0x2139 || c == 0x3030 ||
           c == 0x303D || c == 0x3297 || c == 0x3299;
}

bool isTagSpec(char32_t c) {
    return c >= 0xE0020 && c < cancelTag;
}

char32_t codeAt(QStringView text, qsizetype at, qsizetype* size = nullptr) {
    const char16_t u = text[at].unicode();
    if (QChar::isHighSurrogate(u) && at + 1 < text.size() &&
        QChar::isLowSurrogate(text[at + 1].unicode())) {
        if (size)
            *size = 2;
        return QChar::surrogateToUcs4(u, text[at + 1].unicode());
    }
    if (size)
        *size = 1;
    return u;
}

// The code point that ends just before `at`, skipping variation selectors.
char32_t codeBefore(QStringView text, qsizetype at) {
    while (at > 0) {
        qsizetype start = at - 1;
        if (start > 0 && QChar::isLowSurrogate(text[start].unicode()) &&
            QChar::isHighSurrogate(text[start - 1].unicode()))
            --start;
        const char32_t code = codeAt(text, start);
        if (code != 0xFE0E && code != 0xFE0F)
            return code;
        at = start;
    }
    return 0;
}

// A joiner between two emoji, or a tag of a sequence that follows an emoji
// and ends in the cancel tag.
bool belongsToEmoji(QStringView text, qsizetype at, qsizetype size, char32_t code) {
    if (code == zeroWidthJoiner)
        return at + size < text.size() && isEmoji(codeBefore(text, at)) &&
               isEmoji(codeAt(text, at + size));
    if (!isTagSpec(code) && code != cancelTag)
        return false;
    qsizetype start = at;
    while (start > 0 && isTagSpec(codeBefore(text, start)))
        start -= 2;
    if (!isEmoji(codeBefore(text, start)))
        return false;
    qsizetype end = at;
    qsizetype step = 0;
    for (char32_t c = code; end < text.size(); end += step) {
        c = codeAt(text, end, &step);
        if (c == cancelTag)
            return true;
        if (!isTagSpec(c))
            return false;
    }
    return false;
}

} // namespace

bool isHiddenOrControl(char32_t code) {
    return code < 0x20 || (code >= 0x7F && code <= 0x9F) || code == 0x2028 || code == 0x2029 ||
           (code >= 0x2060 && code <= 0x206F) || QChar::category(code) == QChar::Other_Format;
}

HiddenCharacter findHidden(QStringView text, qsizetype from) {
    for (qsizetype i = from; i < text.size();) {
        const char16_t u = text[i].unicode();
        // Printable ASCII, nearly all of any catalogue, at a glance.
        if (u >= 0x20 && u < 0x7F) {
            ++i;
            continue;
        }
        qsizetype size = 1;
        const char32_t code = codeAt(text, i, &size);
        if (isHiddenOrControl(code) && !belongsToEmoji(text, i, size, code))
            return {i, size, code};
        i += size;
    }
    return {};
}

QString characterCode(char32_t code) {
    return QStringLiteral("U+%1").arg(QString::number(code, 16).toUpper().rightJustified(4, u'0'));
}

QString printable(const QString& text) {
    HiddenCharacter hidden = findHidden(text);
    if (hidden.at < 0)
        return text;
    QString shown;
    shown.reserve(text.size() + 8);
    qsizetype done = 0;
    for (; hidden.at >= 0; hidden = findHidden(text, done)) {
        shown += QStringView(text).sliced(done, hidden.at - done);
        const auto code = static_cast<uint>(hidden.code);
        if (code <= 0xFF)
            shown += QStringLiteral("\\x%1").arg(code, 2, 16, QLatin1Char('0'));
        else if (code <= 0xFFFF)
            shown += QStringLiteral("\\u%1").arg(code, 4, 16, QLatin1Char('0'));
        else
            shown += QStringLiteral("\\U%1").arg(code, 8, 16, QLatin1Char('0'));
        done = hidden.at + hidden.size;
    }
    shown += QStringView(text).sliced(done);
    return shown;
}

QString shownPath(const QString& path) {
    return QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
}

} // namespace clubdraw
