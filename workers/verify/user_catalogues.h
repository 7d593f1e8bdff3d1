// The user's catalogues: imported DAT files and entries of their own, kept
// in the index form under the application's data folder (XDG_DATA_HOME on
// Linux). Only the headless program's catalogue commands write there; both
// programs read it for every verification and Info.
#pragma once

#include "workers/verify/dat_import.h"
#include "workers/verify/verify.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

namespace verify {

QString user_catalogue_folder();

// The user's catalogues as they are on disk, read afresh: the own entries
// first, then the DATs by name. Files that are not a whole index are left
// out and named in `unreadable`.
class UserCatalogues {
public:
    static UserCatalogues load(QStringList *unreadable = nullptr);

    const std::vector<Catalogue> &catalogues() const { return catalogues_; }
    // These catalogues, then the built-in one: the order lookups ask them.
    CatalogueList lookupOrder() const;
    // Every entry of `family` whose serial gives `key`, catalogue by catalogue.
    std::vector<CatalogueEntry> bySerial(int family, const QString &key) const;

private:
    std::vector<Catalogue> catalogues_;
};

// Stores `dat` as an imported catalogue, replacing at once one imported
// before under the same name.
bool store_dat(const DatFile &dat, QString *error);
// Removes the imported catalogue of that header name; false when there is none.
bool remove_dat(const QString &name, QString *error);
// Adds an entry of the user's own, or retitles the one of the same image.
bool add_own_entry(const CatalogueEntry &entry, QString *error);

} // namespace verify
