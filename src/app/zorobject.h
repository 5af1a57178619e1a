#pragma once

#include <QString>

class AnchorSettings;

// Polymorphic base of the program's own classes: gives every object the
// name of its most derived class for the debug log, and holds the
// process-wide anchor settings.
class ZorObject
{
public:
    ZorObject() = default;
    ZorObject(const ZorObject&) = default;
    ZorObject& operator=(const ZorObject&) = default;
    virtual ~ZorObject();

    virtual QString className() const;

    // Read from "zor.ini" in the working directory on the first call, then
    // kept unchanged for the rest of the process. The values refused are
    // told through the messenger at that first call.
    static const AnchorSettings& anchorSettings();

protected:
    // Writes the "Constructor" line of the debug log for this object; each
    // program class calls it from its own constructor, where the dynamic
    // type is already the final one.
    void logConstruction() const;
};
