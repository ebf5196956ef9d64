#pragma once
// The addresses the help and promotion windows link to, in one table. This
// project has no web site, share pages, support, reseller or order addresses
// yet, so every entry is empty: a link whose address is empty opens nothing,
// and its button is hidden.
#include <QString>

namespace zelk {

struct ProductLinks {
    QString website;        // the maker's web site; the share pages pass it on
    QString supportMail;    // the support address
    QString resellerMail;   // the resellers' address
    QString orderPage;      // where the application is ordered
    QString videoChannel;   // the maker's video channel
};

// The table in use (process-wide; tests may fill it for a case).
ProductLinks& productLinks();

}  // namespace zelk
