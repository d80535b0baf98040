// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue.h"

#include "cataloguereader.h"

namespace clubdraw {

Catalogue Catalogue::parse(QByteArrayView bytes, const QString& source) {
    Catalogue catalogue;
    catalogue.clubs.reserve(static_cast<std::size_t>(expectedClubs(bytes.size())));
    CatalogueReader reader(bytes, source);
    Club club;
    while (reader.next(club)) {
        // A record without a name is skipped, dropping nothing read before it.
        if (club.name.isEmpty())
            continue;
        if (catalogue.count() == maxClubs)
            throw tooManyClubs(source, reader.record(), reader.line());
        catalogue.clubs.push_back(std::move(club));
    }
    return catalogue;
}

Catalogue Catalogue::parse(const QString& text, const QString& source) {
    const QByteArray bytes = text.toUtf8();
    return parse(QByteArrayView(bytes), source);
}

} // namespace clubdraw
