#include "test_support.h"

#include <QFile>

namespace clubdraw::testing {

QString line(const QString& nation, const QString& division, const QString& suffix, int flag, const QString& team) {
    return QStringLiteral("\"%1\",\"%2\",\"%3\",%4,\"%5\"\r\n").arg(nation, division, suffix).arg(flag).arg(team);
}

lagliste catalogue_of(const QStringList& lines) { return parse_catalogue(lines.join(QString())); }

program_folder::program_folder(const QByteArray& catalogue_bytes) {
    QFile file(this->file());
    if (file.open(QIODevice::WriteOnly))
        file.write(catalogue_bytes);
}

program_folder::program_folder() = default;

QString program_folder::file() const { return catalogue_path(dir_.path()); }

QByteArray generated_catalogue(int count, const QString& nation, int divisions) {
    QByteArray bytes;
    bytes.reserve(count * 48);
    for (int i = 1; i <= count; ++i)
        bytes += line(nation, QStringLiteral("Division %1").arg(divisions <= 1 ? 1 : i % divisions + 1), QString(),
                      i % 2, QStringLiteral("Team %1").arg(i))
                     .toLatin1();
    return bytes;
}

} // namespace clubdraw::testing
