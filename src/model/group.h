#pragma once

#include "app/zorobject.h"
#include "readnote.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QHash>
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
    // The first pair of macros with anchor analysis where next follows from.
    bool findAnchorSequence(QString& from, QString& next) const;
    // Every pair of macros with anchor analysis where the second follows the
    // first, each pair once, in list and flow order.
    QList<QPair<const Macro*, const Macro*>> anchorSequences() const;
    // Whether the group would hold a pair of macros with anchor analysis in
    // sequence once the macro with this acronym has (or lacks) anchor
    // analysis and newFlow as its next macros.
    bool wouldCreateAnchorSequence(const QString& sigla, bool hasAnchor,
                                   const QStringList& newFlow) const;
    void showAnchorSequenceError() const;
    // Names the pair: "(Macro FROM->NEXT)".
    void showAnchorSequenceError(const QString& from, const QString& next) const;
    bool checkVersion(int version) const;

    FlowDiagram* graph() const { return m_graph; }
    void setGraph(FlowDiagram* graph) { m_graph = graph; }
    void syncGeometry(Macro* macro) const;

    // Reads an .mcx file and rewrites it, indented, dropping the timer of
    // the violations without analysis time. timerFlags: the reference list
    // of violation timer flags, one entry per violation identifier at index
    // identifier - 1. A file that can't be rewritten (read-only) still loads.
    // Values that did not fit go to the debug log.
    bool loadMcx(const QString& path, const QStringList& timerFlags = QStringList());
    // Reads an .mcx file without touching it.
    bool readMcx(const QString& path);
    // Reads an .mcr file as the editor opens it: a damaged legacy file still
    // loads, and the user is told what was wrong with it.
    bool loadMcr(const QString& path);
    // Reads a file of either format, by its suffix, without touching it and
    // without telling the user of its read notes: the commands without a
    // window report them their own way. A legacy file shorter than its
    // header is refused.
    bool readFile(const QString& path);
    // What was odd in the file read, in file order.
    QList<ReadNote> readNotes() const { return m_readNotes; }
    void addReadNote(const ReadNote& note) { m_readNotes.append(note); }
    // The data-stream writer for a path whose suffix is exactly "mcr", the
    // JSON writer for any other. Neither clears the modified flag.
    bool save();
    bool saveAs(const QString& path);
    static bool hasMcrSuffix(const QString& path);
    // Why the last read or save failed, in the user's language where the
    // program or the toolkit has one; empty when it has no more to say.
    QString errorString() const { return m_errorString; }

private:
    // One lookup by acronym for a whole run over the macros, the first macro
    // of each acronym winning as in findBySigla, so that large groups stay
    // linear.
    QHash<QString, const Macro*> siglaIndex() const;
    // Calls visit(from, next) for each flow entry that makes an anchor
    // sequence, until visit returns false.
    void visitAnchorSequences(
        const std::function<bool(const Macro* from, const Macro* next)>& visit) const;
    void showAnchorSequenceMessage(const QString& text) const;
    void showInvalidFormat(const QString& key) const;
    bool readMcx(const QString& path, McxReader& reader);
    bool readMcr(const QString& path, bool strict);
    // Keeps the reason and writes it to standard error and the debug log.
    void noteFailure(const QString& path, const QString& reason);
    // Legacy damage in a message, values that did not fit in the debug log.
    void reportReadNotes(const QString& path) const;

    int m_version = CurrentVersion;
    QString m_name;
    QString m_description;
    QString m_creationDate;
    QString m_filePath;
    QDateTime m_creationTime;
    bool m_modified = false;
    QList<Macro*> m_macros;
    FlowDiagram* m_graph = nullptr;
    QList<ReadNote> m_readNotes;
    QString m_errorString;
};
