#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

class QSettings;

// The four integers that govern the anchor violation: which violation it is,
// the radius given to new macros and the radius range the dialogs accept.
class AnchorSettings
{
    Q_DECLARE_TR_FUNCTIONS(AnchorSettings)

public:
    // The largest value of each key: the identifier is kept in a byte, the
    // radii in 16 bits.
    static constexpr int MaxViolationId = 255;
    static constexpr int MaxRadius = 65535;

    AnchorSettings() = default;

    // Reads the section "ancora" of an INI file. A missing file or key gives
    // 0; so does a value that is no number of 0 to the key's largest, which
    // is also told in warnings().
    static AnchorSettings readFrom(const QString& iniPath);

    // One text per value refused, for the user.
    QStringList warnings() const { return m_warnings; }

    int anchorViolationId() const { return m_anchorViolationId; }
    int defaultRadius() const { return m_defaultRadius; }
    int minRadius() const { return m_minRadius; }

    int maxRadius = 0;

private:
    int readValue(QSettings& ini, const QString& path, const QString& key, int maximum);

    int m_anchorViolationId = 0;
    int m_defaultRadius = 0;
    int m_minRadius = 0;
    QStringList m_warnings;
};
