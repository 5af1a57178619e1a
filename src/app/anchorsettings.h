#pragma once

#include <QString>

// The four integers that govern the anchor violation: which violation it is,
// the radius given to new macros and the radius range the dialogs accept.
class AnchorSettings
{
public:
    AnchorSettings() = default;

    // Reads the section "ancora" of an INI file. A missing file, key or a
    // value that is not a number gives 0.
    static AnchorSettings readFrom(const QString& iniPath);

    int anchorViolationId() const { return m_anchorViolationId; }
    int defaultRadius() const { return m_defaultRadius; }
    int minRadius() const { return m_minRadius; }

    int maxRadius = 0;

private:
    int m_anchorViolationId = 0;
    int m_defaultRadius = 0;
    int m_minRadius = 0;
};
