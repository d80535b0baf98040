// SPDX-License-Identifier: GPL-3.0-or-later
#include "drawcode.h"

#include <QCryptographicHash>
#include <QStringEncoder>

#include <array>
#include <optional>

namespace clubdraw {

namespace {

constexpr char alphabet[] = "0123456789ABCDEFGHJKMNPQRSTVWXYZ";
constexpr int charBits = 5;
constexpr int versionBits = 5;
constexpr int checkBits = 32;
constexpr int fingerprintBits = 16;
constexpr int groupLength = 5;
constexpr int varintGroupBits = 4;
// Enough groups for any 64-bit number; more is no code of ours.
constexpr int varintMaxGroups = 16;

class BitWriter {
public:
    void put(std::uint64_t value, int bits) {
        for (int i = bits - 1; i >= 0; --i)
            m_bits.push_back(((value >> i) & 1U) != 0);
    }
    // Four bits at a time, lowest first, each group after a bit that says
    // whether another follows: small numbers take five bits.
    void putNumber(std::uint64_t value) {
        do {
            const std::uint64_t group = value & ((1U << varintGroupBits) - 1);
            value >>= varintGroupBits;
            put(value != 0 ? 1 : 0, 1);
            put(group, varintGroupBits);
        } while (value != 0);
    }
    void padTo(int multiple) {
        while (m_bits.size() % static_cast<std::size_t>(multiple) != 0)
            m_bits.push_back(false);
    }
    const std::vector<bool>& bits() const { return m_bits; }

private:
    std::vector<bool> m_bits;
};

class BitReader {
public:
    explicit BitReader(const std::vector<bool>& bits, std::size_t from = 0)
        : m_bits(bits), m_pos(from) {}

    std::uint64_t take(int bits) {
        std::uint64_t value = 0;
        for (int i = 0; i < bits; ++i) {
            if (m_pos >= m_bits.size()) {
                m_overrun = true;
                return 0;
            }
            value = (value << 1) | (m_bits[m_pos++] ? 1U : 0U);
        }
        return value;
    }
    std::uint64_t takeNumber() {
        std::uint64_t value = 0;
        for (int group = 0; group < varintMaxGroups; ++group) {
            const bool more = take(1) != 0;
            value |= take(varintGroupBits) << (group * varintGroupBits);
            if (!more)
                return value;
        }
        m_overrun = true;
        return 0;
    }
    // A count or index; anything past `limit` is no code of ours.
    int takeCount(int limit) {
        const std::uint64_t value = takeNumber();
        if (value > static_cast<std::uint64_t>(limit)) {
            m_overrun = true;
            return 0;
        }
        return static_cast<int>(value);
    }
    bool failed() const { return m_overrun; }
    // What is left must be the padding: zeros, less than a character.
    bool atPadding() const {
        if (m_bits.size() - m_pos >= static_cast<std::size_t>(charBits))
            return false;
        for (std::size_t i = m_pos; i < m_bits.size(); ++i) {
            if (m_bits[i])
                return false;
        }
        return true;
    }

private:
    const std::vector<bool>& m_bits;
    std::size_t m_pos;
    bool m_overrun = false;
};

QByteArray packed(const std::vector<bool>& bits) {
    QByteArray bytes((static_cast<qsizetype>(bits.size()) + 7) / 8, '\0');
    for (std::size_t i = 0; i < bits.size(); ++i) {
        if (bits[i])
            bytes[static_cast<qsizetype>(i / 8)] =
                static_cast<char>(bytes[static_cast<qsizetype>(i / 8)] | (0x80 >> (i % 8)));
    }
    return bytes;
}

// CRC-32 (IEEE): unlike a cut hash, sure to catch any change within 32
// bits in a row, so every mistyped character and every swapped pair.
std::uint32_t crc32(const QByteArray& bytes) {
    std::uint32_t crc = 0xFFFFFFFFU;
    for (const char byte : bytes) {
        crc ^= static_cast<unsigned char>(byte);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ ((crc & 1U) != 0 ? 0xEDB88320U : 0U);
    }
    return ~crc;
}

// The check covers the version and every field: everything but itself.
std::uint32_t checkOf(const std::vector<bool>& bits) {
    std::vector<bool> covered(bits.begin(), bits.begin() + versionBits);
    covered.insert(covered.end(), bits.begin() + versionBits + checkBits, bits.end());
    return crc32(packed(covered));
}

std::optional<int> valueOf(QChar c) {
    const char16_t u = QChar::toUpper(c.unicode());
    // Read as they look when a code is typed from a screen or a voice.
    if (u == u'O')
        return 0;
    if (u == u'I' || u == u'L')
        return 1;
    for (int i = 0; alphabet[i] != '\0'; ++i) {
        if (u == static_cast<char16_t>(alphabet[i]))
            return i;
    }
    return std::nullopt;
}

void writeBody(const DrawCode& code, BitWriter& out) {
    out.put(code.sourceKind == ClubSource::Kind::Divisions ? 1 : 0, 1);
    if (code.sourceKind == ClubSource::Kind::Nations) {
        for (const bool tick : code.ticks)
            out.put(tick ? 1 : 0, 1);
        out.put(code.database == DatabaseType::Normal ? 1 : 0, 1);
    } else {
        out.putNumber(code.divisionIndexes.size());
        int next = 0;
        for (const int index : code.divisionIndexes) {
            out.putNumber(static_cast<std::uint64_t>(index - next));
            next = index + 1;
        }
    }
    out.put(code.seed, 64);
    out.putNumber(static_cast<std::uint64_t>(code.managerCount - 1));
    out.putNumber(code.kept.size());
    int nextRow = 0;
    for (const DrawCode::KeptRow& kept : code.kept) {
        out.putNumber(static_cast<std::uint64_t>(kept.row - nextRow));
        out.putNumber(static_cast<std::uint64_t>(kept.clubIndex));
        nextRow = kept.row + 1;
    }
    out.put(code.catalogueFingerprint, fingerprintBits);
    out.put(code.leaveOutFingerprint, fingerprintBits);
}

bool readBody(BitReader& in, DrawCode& code) {
    code.sourceKind = in.take(1) != 0 ? ClubSource::Kind::Divisions : ClubSource::Kind::Nations;
    if (code.sourceKind == ClubSource::Kind::Nations) {
        for (bool& tick : code.ticks)
            tick = in.take(1) != 0;
        code.database = in.take(1) != 0 ? DatabaseType::Normal : DatabaseType::Minimum;
    } else {
        const int count = in.takeCount(maxClubs);
        int next = 0;
        for (int i = 0; i < count && !in.failed(); ++i) {
            next += in.takeCount(maxClubs - next);
            code.divisionIndexes.push_back(next);
            ++next;
        }
    }
    code.seed = in.take(64);
    code.managerCount = in.takeCount(maxClubs - 1) + 1;
    const int keptCount = in.takeCount(code.managerCount);
    int nextRow = 0;
    for (int i = 0; i < keptCount && !in.failed(); ++i) {
        const int row = nextRow + in.takeCount(code.managerCount - 1 - nextRow);
        code.kept.push_back({row, in.takeCount(maxClubs - 1)});
        nextRow = row + 1;
    }
    code.catalogueFingerprint = static_cast<std::uint16_t>(in.take(fingerprintBits));
    code.leaveOutFingerprint = static_cast<std::uint16_t>(in.take(fingerprintBits));
    return !in.failed() && in.atPadding();
}

} // namespace

QString codeProblemText(CodeProblem problem) {
    switch (problem) {
    case CodeProblem::None:
        return {};
    case CodeProblem::Mistyped:
        return DrawCode::tr("The code is mistyped: its check does not match.");
    case CodeProblem::UnknownVersion:
        return DrawCode::tr("The code was made by a later version of the program.");
    case CodeProblem::CatalogueDiffers:
        return DrawCode::tr("The code was made with another catalogue.");
    case CodeProblem::LeaveOutDiffers:
        return DrawCode::tr("The code was made with other clubs left out.");
    }
    return {};
}

QString DrawCode::encode() const {
    BitWriter body;
    writeBody(*this, body);
    BitWriter all;
    all.put(static_cast<std::uint64_t>(version), versionBits);
    all.put(0, checkBits);
    for (const bool bit : body.bits())
        all.put(bit ? 1 : 0, 1);
    all.padTo(charBits);
    std::vector<bool> bits = all.bits();
    const std::uint32_t check = checkOf(bits);
    for (int i = 0; i < checkBits; ++i)
        bits[static_cast<std::size_t>(versionBits) + static_cast<std::size_t>(i)] =
            ((check >> (checkBits - 1 - i)) & 1U) != 0;

    QString text;
    BitReader reader(bits);
    const int chars = static_cast<int>(bits.size()) / charBits;
    for (int i = 0; i < chars; ++i) {
        if (i > 0 && i % groupLength == 0)
            text += u'-';
        text += QLatin1Char(alphabet[reader.take(charBits)]);
    }
    return text;
}

DecodedCode DrawCode::decode(const QString& text) {
    std::vector<bool> bits;
    for (const QChar c : text) {
        if (c == u'-' || c.isSpace())
            continue;
        const std::optional<int> value = valueOf(c);
        if (!value)
            return {CodeProblem::Mistyped, {}};
        for (int i = charBits - 1; i >= 0; --i)
            bits.push_back(((*value >> i) & 1) != 0);
    }
    if (bits.size() < static_cast<std::size_t>(versionBits) + checkBits)
        return {CodeProblem::Mistyped, {}};
    BitReader frame(bits);
    DrawCode code;
    code.version = static_cast<int>(frame.take(versionBits));
    if (frame.take(checkBits) != checkOf(bits))
        return {CodeProblem::Mistyped, {}};
    if (code.version != currentVersion)
        return {CodeProblem::UnknownVersion, {}};
    BitReader body(bits, versionBits + checkBits);
    if (!readBody(body, code))
        return {CodeProblem::Mistyped, {}};
    return {CodeProblem::None, code};
}

std::uint16_t catalogueFingerprint(const Catalogue& catalogue) {
    // Every club into one buffer, hashed at once: far cheaper than a hash
    // call and a conversion for each field.
    QByteArray bytes;
    QStringEncoder utf8(QStringEncoder::Utf8);
    const auto addText = [&](const QString& text) {
        const qsizetype at = bytes.size();
        bytes.resize(at + utf8.requiredSpace(text.size()) + 1);
        char* end = utf8.appendToBuffer(bytes.data() + at, text);
        // Each text ends in a zero byte, which no text holds, so texts
        // cannot trade characters and hash alike.
        *end++ = '\0';
        bytes.resize(end - bytes.data());
    };
    bytes.reserve(static_cast<qsizetype>(catalogue.clubs.size()) * 64);
    for (const Club& club : catalogue.clubs) {
        addText(club.nation);
        addText(club.division);
        addText(club.divisionSuffix);
        const auto flag = static_cast<std::uint16_t>(club.databaseFlag);
        bytes.append(static_cast<char>(flag >> 8)).append(static_cast<char>(flag & 0xFF));
        addText(club.name);
    }
    const QByteArray digest = QCryptographicHash::hash(bytes, QCryptographicHash::Sha256);
    return static_cast<std::uint16_t>((static_cast<unsigned char>(digest[0]) << 8) |
                                      static_cast<unsigned char>(digest[1]));
}

} // namespace clubdraw
