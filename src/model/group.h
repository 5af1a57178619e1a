#pragma once

#include "app/zorobject.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

#include <functional>

class FlowDiagram;
class Macro;
class McxReader;

// The document: one macro group with its header, its macros (owned) and the
// rules that tie the macros together.
class Group : public ZorObject
{
    Q_DECLARE_TR_FUNCTIONS(Group)

public:
    static constexpr int CurrentVersion = 2100;
    static constexpr int MaxDescriptionLength = 280;

    Group(const QString& name, const QString& description);
    ~Group() override;
    Group(const Group&) = delete;
    Group& operator=(const Group&) = delete;

    QString name() const { return m_name; }
    void setName(const QString& name);
    QString description() const { return m_description.left(MaxDescriptionLength); }
    void setDescription(const QString& description);
    QString creationDate() const { return m_creationDate; }
    void setCreationDate(const QString& creationDate) { m_creationDate = creationDate; }
    QDateTime creationTime() const { return m_creationTime; }
    void setCreationTime(const QDateTime& creationTime) { m_creationTime = creationTime; }
    QString filePath() const { return m_filePath; }
    void setFilePath(const QString& filePath) { m_filePath = filePath; }
    int version() const { return m_version; }
    void setVersion(int version) { m_version = version; }
    bool isModified() const { return m_modified; }
    void setModified(bool modified) { m_modified = modified; }

    QList<Macro*> macros() const { return m_macros; }
    int macroCount() const { return m_macros.size(); }

    // Takes ownership.
    void addMacro(Macro* macro);
    // Takes ownership; an index outside the list appends.
    void insertMacro(int index, Macro* macro);
    // Gives up ownership of the macro and returns it, or null when the group
    // does not hold it.
    Macro* takeMacro(Macro* macro);
    int indexOf(const Macro* macro) const { return m_macros.indexOf(const_cast<Macro*>(macro)); }
    // Removes and deletes the first macro with this acronym.
    void removeMacro(const QString& sigla);
    void clear();

    Macro* findByNumber(const QString& num) const;
    Macro* findBySigla(const QString& sigla) const;
    Macro* findByShortcut(const QString& shortcut) const;

    bool hasAnchor(const Macro* macro) const;
    bool updateFlowNumbers();
    // The first macro with anchor analysis that follows another one.
    bool findAnchorSequence(QString& sigla) const;
    // Every pair of macros with anchor analysis where the second follows the
    // first, each pair once, in list and flow order.
    QList<QPair<const Macro*, const Macro*>> anchorSequences() const;
    bool wouldCreateAnchorSequence(const QString& sigla, bool hasAnchor,
                                   const QStringList& newFlow) const;
    void showAnchorSequenceError() const;
    void showAnchorSequenceError(const QString& detail) const;
    bool checkVersion(int version) const;

    FlowDiagram* graph() const { return m_graph; }
    void setGraph(FlowDiagram* graph) { m_graph = graph; }
    void syncGeometry(Macro* macro) const;

    // Reads an .mcx file and rewrites it, indented, dropping the timer of
    // the violations without analysis time. timerFlags: the reference list
    // of violation timer flags, one entry per violation identifier at index
    // identifier - 1. A file that can't be rewritten (read-only) still loads.
    bool loadMcx(const QString& path, const QStringList& timerFlags = QStringList());
    // Reads an .mcx file without touching it.
    bool readMcx(const QString& path);
    bool loadMcr(const QString& path);
    // Reads a file of either format, by its suffix, without touching it.
    bool readFile(const QString& path);
    // The data-stream writer for a path whose suffix is exactly "mcr", the
    // JSON writer for any other. Neither clears the modified flag.
    bool save();
    bool saveAs(const QString& path);
    static bool hasMcrSuffix(const QString& path);

private:
    // Calls visit(from, next) for each flow entry that makes an anchor
    // sequence, until visit returns false.
    void visitAnchorSequences(
        const std::function<bool(const Macro* from, const Macro* next)>& visit) const;
    void showAnchorSequenceMessage(const QString& text) const;
    void showInvalidFormat(const QString& key) const;
    bool readMcx(const QString& path, McxReader& reader);

    int m_version = CurrentVersion;
    QString m_name;
    QString m_description;
    QString m_creationDate;
    QString m_filePath;
    QDateTime m_creationTime;
    bool m_modified = false;
    QList<Macro*> m_macros;
    FlowDiagram* m_graph = nullptr;
};
