#pragma once

#include <QList>
#include <QString>

/// Where the names a disc is shown with may come from: each release the disc was found as, its
/// CD-Text, or track numbers only. Offered by whatever finds names, so that the panel's menu
/// can list them and pass the listener's choice on without knowing where names come from.
class NameSources {
public:
    struct Source {
        QString label;
        bool chosen = false;
    };

    virtual ~NameSources() = default;

    /// The sources for the disc in the player now, empty without one.
    virtual QList<Source> sources() const = 0;
    virtual void choose(qsizetype index) = 0;
};
