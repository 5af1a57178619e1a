#include "mcxfastreader.h"

#include "mcxreader.h"
#include "model/group.h"
#include "model/macro.h"

#include <climits>
#include <cstring>
#include <iterator>

namespace {

enum HeaderKey { CreationDate, Description, NMacros, Name, Version };
enum MacroKey {
    Atalho,
    Automacao,
    Automation,
    Confirmacao,
    ConfirmationText,
    Dimensions,
    Flow,
    FlowNum,
    FluxoMacros,
    Form,
    Formulario,
    IdMacro,
    Informacao,
    IsSecurity,
    NameKey,
    Nome,
    Num,
    Position,
    SecureActuators,
    SecureSensors,
    Shortcut,
    Sigla,
    Type,
    Validacoes,
    ValidationInt,
    Violacoes
};

// The macro keys whose values the reader does not take.
bool isSkipped(int key)
{
    switch (key) {
    case Automation:
    case ConfirmationText:
    case Flow:
    case FlowNum:
    case Form:
    case IsSecurity:
    case NameKey:
    case Num:
    case Shortcut:
    case ValidationInt:
        return true;
    default:
        return false;
    }
}

} // namespace

// The keys of the objects of a context; none for the others.
McxFastReader::KeyList McxFastReader::keysOf(Context context)
{
    // The keys of each object, in the order the toolkit keeps them.
    static const ExpectedKey RootKeys[] = {{QLatin1String("header"), true},
                                           {QLatin1String("macros"), true}};
    static const ExpectedKey HeaderKeys[] = {{QLatin1String("creationDate"), true},
                                             {QLatin1String("description"), true},
                                             {QLatin1String("nMacros"), true},
                                             {QLatin1String("name"), true},
                                             {QLatin1String("version"), true}};
    static const ExpectedKey MacroKeys[] = {{QLatin1String("atalho"), true},
                                            {QLatin1String("automacao"), true},
                                            {QLatin1String("automation"), true},
                                            {QLatin1String("confirmacao"), true},
                                            {QLatin1String("confirmationText"), true},
                                            {QLatin1String("dimensions"), true},
                                            {QLatin1String("flow"), true},
                                            {QLatin1String("flowNum"), true},
                                            {QLatin1String("fluxoMacros"), true},
                                            {QLatin1String("form"), true},
                                            {QLatin1String("formulario"), true},
                                            {QLatin1String("idMacro"), true},
                                            {QLatin1String("informacao"), true},
                                            {QLatin1String("isSecurity"), true},
                                            {QLatin1String("name"), true},
                                            {QLatin1String("nome"), true},
                                            {QLatin1String("num"), true},
                                            {QLatin1String("position"), true},
                                            {QLatin1String("secureActuators"), true},
                                            {QLatin1String("secureSensors"), true},
                                            {QLatin1String("shortcut"), true},
                                            {QLatin1String("sigla"), true},
                                            {QLatin1String("type"), true},
                                            {QLatin1String("validacoes"), true},
                                            {QLatin1String("validationInt"), true},
                                            {QLatin1String("violacoes"), true}};
    static const ExpectedKey DimensionKeys[] = {{QLatin1String("height"), true},
                                                {QLatin1String("width"), true},
                                                {QLatin1String("x"), true},
                                                {QLatin1String("y"), true}};
    static const ExpectedKey PositionKeys[] = {{QLatin1String("x"), true},
                                               {QLatin1String("y"), true}};
    static const ExpectedKey ViolationKeys[] = {{QLatin1String("id"), true},
                                                {QLatin1String("raio"), false},
                                                {QLatin1String("reacao"), true},
                                                {QLatin1String("tempo"), false}};
    static const ExpectedKey NextKeys[] = {{QLatin1String("idMacro"), true},
                                           {QLatin1String("nome"), true},
                                           {QLatin1String("posicao"), true}};

    switch (context) {
    case Context::Root:
        return {RootKeys, int(std::size(RootKeys))};
    case Context::Header:
        return {HeaderKeys, int(std::size(HeaderKeys))};
    case Context::Macro:
        return {MacroKeys, int(std::size(MacroKeys))};
    case Context::Dimensions:
        return {DimensionKeys, int(std::size(DimensionKeys))};
    case Context::Position:
        return {PositionKeys, int(std::size(PositionKeys))};
    case Context::Violation:
        return {ViolationKeys, int(std::size(ViolationKeys))};
    case Context::FlowEntry:
        return {NextKeys, int(std::size(NextKeys))};
    default:
        return {nullptr, 0};
    }
}

McxFastReader::McxFastReader() = default;

McxFastReader::~McxFastReader() = default;

bool McxFastReader::read(const QByteArray& data, bool indenting)
{
    clear();
    if (JsonReindenter::reindent(data, indenting ? &m_indented : nullptr, this) && m_hasVersion)
        return true;
    clear();
    return false;
}

void McxFastReader::clear()
{
    m_stack.clear();
    m_name.clear();
    m_description.clear();
    m_creationDate.clear();
    m_hasVersion = false;
    m_hasTimerOfOne = false;
    m_fields = MacroFields();
    m_macros.clear();
    m_notes.clear();
    m_indented.clear();
}

std::vector<std::unique_ptr<Macro>> McxFastReader::takeMacros()
{
    return std::move(m_macros);
}

bool McxFastReader::open(Context context, QVector<int>* integers)
{
    Frame frame;
    frame.context = context;
    frame.integers = integers;
    m_stack.append(frame);
    return true;
}

bool McxFastReader::beginObject()
{
    if (m_stack.isEmpty())
        return open(Context::Root);
    const Frame& top = m_stack.last();
    switch (top.context) {
    case Context::Skip:
        return open(Context::Skip);
    case Context::Root:
        return top.key == 0 && open(Context::Header);
    case Context::Macros:
        m_fields = MacroFields();
        return open(Context::Macro);
    case Context::Macro:
        if (isSkipped(top.key))
            return open(Context::Skip);
        if (top.key == Dimensions)
            return open(Context::Dimensions);
        return top.key == Position && open(Context::Position);
    case Context::Violations:
        m_violation = MacroFields::Violation();
        return open(Context::Violation);
    case Context::FlowEntries:
        m_next = MacroFields::Next();
        return open(Context::FlowEntry);
    default:
        return false;
    }
}

bool McxFastReader::beginArray()
{
    if (m_stack.isEmpty())
        return false;
    const Frame& top = m_stack.last();
    switch (top.context) {
    case Context::Skip:
        return open(Context::Skip);
    case Context::Root:
        return top.key == 1 && open(Context::Macros);
    case Context::Macro:
        switch (top.key) {
        case Automacao:
            return open(Context::Integers, &m_fields.automacao);
        case SecureActuators:
            return open(Context::Integers, &m_fields.secureActuators);
        case SecureSensors:
            return open(Context::Integers, &m_fields.secureSensors);
        case FluxoMacros:
            return open(Context::FlowEntries);
        case Violacoes:
            return open(Context::Violations);
        default:
            return isSkipped(top.key) && open(Context::Skip);
        }
    default:
        return false;
    }
}

bool McxFastReader::key(const char* name, int length)
{
    if (isSkipping())
        return true;
    Frame& top = m_stack.last();
    const KeyList list = keysOf(top.context);
    // The keys come in order: look from the one after the last seen, past
    // optional ones only.
    for (int index = top.key + 1; index < list.count; ++index) {
        const ExpectedKey& expected = list.keys[index];
        if (expected.name.size() == length &&
            std::memcmp(expected.name.data(), name, size_t(length)) == 0) {
            top.key = index;
            return true;
        }
        if (expected.required)
            return false;
    }
    return false;
}

bool McxFastReader::endObject()
{
    const Frame top = m_stack.takeLast();
    if (top.context == Context::Skip)
        return true;
    const KeyList list = keysOf(top.context);
    for (int index = top.key + 1; index < list.count; ++index) {
        if (list.keys[index].required)
            return false;
    }
    switch (top.context) {
    case Context::Macro: {
        QStringList notes;
        m_macros.push_back(std::make_unique<Macro>(m_fields, &notes));
        for (const QString& text : qAsConst(notes))
            m_notes.append(McxReader::valueNote(*m_macros.back(), text));
        break;
    }
    case Context::Violation:
        // What the rewrite after a load may drop is left to its own check.
        if (m_violation.tempo == 1)
            m_hasTimerOfOne = true;
        m_fields.violacoes.append(m_violation);
        break;
    case Context::FlowEntry:
        m_fields.fluxoMacros.append(m_next);
        break;
    default:
        break;
    }
    return true;
}

bool McxFastReader::endArray()
{
    m_stack.removeLast();
    return true;
}

bool McxFastReader::string(const char* text, int length)
{
    if (isSkipping())
        return true;
    const Frame& top = m_stack.last();
    const auto decoded = [&] { return JsonReindenter::decodeString(text, length); };
    switch (top.context) {
    case Context::Header:
        switch (top.key) {
        case CreationDate:
            m_creationDate = decoded();
            return true;
        case Description:
            m_description = decoded();
            return true;
        case Name:
            m_name = decoded();
            return true;
        default:
            return false;
        }
    case Context::Macro:
        switch (top.key) {
        case Confirmacao:
            m_fields.confirmacao = decoded();
            return true;
        case Formulario:
            m_fields.formulario = decoded();
            return true;
        case Nome:
            m_fields.nome = decoded();
            return true;
        case Sigla:
            m_fields.sigla = decoded();
            return true;
        default:
            return isSkipped(top.key);
        }
    case Context::FlowEntry:
        if (top.key != 1)
            return false;
        m_next.nome = decoded();
        return true;
    default:
        return false;
    }
}

bool McxFastReader::integer(qint64 value)
{
    if (isSkipping())
        return true;
    // A number beyond int is no value of this program's files: the toolkit's
    // reader takes it, and tells what it became.
    if (value < INT_MIN || value > INT_MAX)
        return false;
    const Frame& top = m_stack.last();
    const int number = int(value);
    switch (top.context) {
    case Context::Header:
        if (top.key == Version) {
            // Any other version takes the reader with its messages.
            m_hasVersion = value == Group::CurrentVersion;
            return m_hasVersion;
        }
        return top.key == NMacros;
    case Context::Macro:
        switch (top.key) {
        case Atalho:
            m_fields.atalho = number;
            return true;
        case IdMacro:
            m_fields.idMacro = number;
            return true;
        case Type:
            m_fields.type = number;
            return true;
        case Validacoes:
            m_fields.validacoes = number;
            return true;
        default:
            return isSkipped(top.key);
        }
    case Context::Dimensions: {
        int* const targets[] = {&m_fields.height, &m_fields.width, &m_fields.x, &m_fields.y};
        *targets[top.key] = number;
        return true;
    }
    case Context::Position:
        (top.key == 0 ? m_fields.positionX : m_fields.positionY) = number;
        return true;
    case Context::Violation: {
        int* const targets[] = {&m_violation.id, &m_violation.raio, &m_violation.reacao,
                                &m_violation.tempo};
        *targets[top.key] = number;
        return true;
    }
    case Context::FlowEntry:
        if (top.key == 0)
            m_next.idMacro = number;
        else if (top.key == 2)
            m_next.posicao = number;
        else
            return false;
        return true;
    case Context::Integers:
        top.integers->append(number);
        return true;
    default:
        return false;
    }
}

bool McxFastReader::boolean(bool value)
{
    if (isSkipping())
        return true;
    const Frame& top = m_stack.last();
    if (top.context != Context::Macro)
        return false;
    if (top.key == Informacao) {
        m_fields.informacao = value;
        return true;
    }
    return isSkipped(top.key);
}

bool McxFastReader::null()
{
    if (isSkipping())
        return true;
    const Frame& top = m_stack.last();
    return top.context == Context::Macro && isSkipped(top.key);
}
