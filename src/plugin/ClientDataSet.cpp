#include "ClientDataSet.h"

#include "SocketConnection.h"

#include <Object.h>

#include <algorithm>

namespace {

QStringList splitFieldList(const QString &fields)
{
    QStringList names;
    for (const QString &part : fields.split(QLatin1Char(';'), Qt::SkipEmptyParts))
        if (const QString name = part.trimmed(); !name.isEmpty())
            names << name;
    return names;
}

std::string keyText(const ktr::Variant &v)
{
    if (v.isEmptyOrNull() || v.isArray() || v.type() == ktr::VarType::Object)
        return {};
    return v.toString();
}

} // namespace

TClientDataSet::TClientDataSet(QObject *owner) : TComponent(owner) {}

TClientDataSet::~TClientDataSet() = default;

TSocketConnection *TClientDataSet::RemoteServer() const
{
    return m_remoteServer;
}

void TClientDataSet::SetRemoteServer(TSocketConnection *connection)
{
    m_remoteServer = connection;
}

void TClientDataSet::SetActive(bool active)
{
    if (active)
        Open();
    else
        Close();
}

void TClientDataSet::requireActive(const char *operation) const
{
    if (!m_active)
        throw DataSetError(Name().toStdString() + ": cannot " + operation + " on a closed data set");
}

void TClientDataSet::Open()
{
    if (m_active)
        return;
    if (!m_remoteServer)
        throw DataSetError(Name().toStdString() + ": no remote server to read from");
    const ktr::ObjectRef server = m_remoteServer->AppServer();
    if (!server)
        throw DataSetError(Name().toStdString() + ": the remote server is not connected");
    const ktr::Variant answer =
        server.call(kProviderRowsCall, {ktr::Variant::wideText(m_providerName.toStdString())});
    loadAnswer(answer);
    try {
        sortByIndex();
    } catch (...) {
        m_records.clear();
        throw;
    }
    m_active = true;
    First();
}

void TClientDataSet::loadAnswer(const ktr::Variant &answer)
{
    const auto refuse = [this](const std::string &why) {
        throw DataSetError(Name().toStdString() + ": provider " + m_providerName.toStdString() +
                           " answered no table (" + why + ")");
    };
    if (!answer.isArray() || answer.dimensions() != 1 || answer.elementCount() != 2)
        refuse("not a pair of field names and rows");
    const ktr::Variant &names = answer.elements()[0];
    const ktr::Variant &rows = answer.elements()[1];
    if (!names.isArray() || names.dimensions() != 1 || !rows.isArray() || rows.dimensions() != 1)
        refuse("field names or rows are not lists");

    std::vector<int> columnField;
    for (const ktr::Variant &name : names.elements()) {
        if (!name.isText() || name.toString().empty())
            refuse("a field name is not a text");
        const QString fieldName = QString::fromStdString(name.toString());
        TField *field = FindField(fieldName);
        if (!field)
            field = &AddField(fieldName);
        columnField.push_back(field->Index());
    }
    std::vector<Record> records;
    records.reserve(std::size_t(rows.elementCount()));
    for (const ktr::Variant &row : rows.elements()) {
        if (!row.isArray() || row.dimensions() != 1 || std::size_t(row.elementCount()) != columnField.size())
            refuse("a row does not have one value per field");
        Record record(m_fields.size(), ktr::Variant::null());
        for (std::size_t c = 0; c < columnField.size(); ++c)
            record[std::size_t(columnField[c])] = row.elements()[c];
        records.push_back(std::move(record));
    }
    m_records = std::move(records);
}

void TClientDataSet::Close()
{
    m_active = false;
    m_records.clear();
    m_current = -1;
    m_eof = m_bof = true;
}

void TClientDataSet::First()
{
    requireActive("move to the first record");
    m_current = m_records.empty() ? -1 : 0;
    m_bof = true;
    m_eof = m_records.empty();
}

void TClientDataSet::Last()
{
    requireActive("move to the last record");
    m_current = int(m_records.size()) - 1;
    m_eof = true;
    m_bof = m_records.empty();
}

void TClientDataSet::Next()
{
    requireActive("move to the next record");
    if (m_current + 1 < int(m_records.size())) {
        ++m_current;
        m_bof = false;
        m_eof = false;
    } else {
        m_eof = true;
    }
}

void TClientDataSet::Prior()
{
    requireActive("move to the prior record");
    if (m_current > 0) {
        --m_current;
        m_bof = false;
        m_eof = false;
    } else {
        m_bof = true;
    }
}

int TClientDataSet::RecordCount() const
{
    requireActive("count records");
    return int(m_records.size());
}

int TClientDataSet::RecNo() const
{
    requireActive("read the record number");
    return m_current + 1;
}

TField &TClientDataSet::AddField(const QString &name, TFieldType type)
{
    if (m_active)
        throw DataSetError(Name().toStdString() + ": fields cannot be added to an open data set");
    if (FindField(name))
        throw DataSetError(Name().toStdString() + ": duplicate field " + name.toStdString());
    m_fields.push_back(std::make_unique<TField>(*this, name, type));
    return *m_fields.back();
}

TField &TClientDataSet::Fields(int index) const
{
    if (index < 0 || index >= FieldCount())
        throw DataSetError(Name().toStdString() + ": field index " + std::to_string(index) + " out of range");
    return *m_fields[std::size_t(index)];
}

TField *TClientDataSet::FindField(const QString &name) const
{
    for (const auto &field : m_fields)
        if (field->FieldName().compare(name, Qt::CaseInsensitive) == 0)
            return field.get();
    return nullptr;
}

TField &TClientDataSet::FieldByName(const QString &name) const
{
    if (TField *field = FindField(name))
        return *field;
    throw DataSetError(Name().toStdString() + ": field '" + name.toStdString() + "' not found");
}

int TClientDataSet::fieldIndex(const TField &field) const
{
    for (std::size_t i = 0; i < m_fields.size(); ++i)
        if (m_fields[i].get() == &field)
            return int(i);
    return -1;
}

ktr::Variant TClientDataSet::currentValue(int index) const
{
    requireActive("read a field");
    if (m_current < 0 || index < 0)
        return ktr::Variant::null();
    return m_records[std::size_t(m_current)][std::size_t(index)];
}

void TClientDataSet::setCurrentValue(int index, const ktr::Variant &value)
{
    requireActive("change a field");
    if (m_current < 0 || index < 0)
        throw DataSetError(Name().toStdString() + ": there is no current record to change");
    m_records[std::size_t(m_current)][std::size_t(index)] = value;
}

void TClientDataSet::AddIndex(const QString &name, const QString &fields)
{
    m_indexDefs[name.toUpper()] = fields;
}

void TClientDataSet::SetIndexName(const QString &name)
{
    if (!name.isEmpty() && !m_indexDefs.count(name.toUpper()))
        throw DataSetError(Name().toStdString() + ": no index named " + name.toStdString());
    m_indexName = name;
    m_indexFieldNames.clear();
    if (m_active) {
        sortByIndex();
        First();
    }
}

void TClientDataSet::SetIndexFieldNames(const QString &fields)
{
    m_indexFieldNames = fields;
    m_indexName.clear();
    if (m_active) {
        sortByIndex();
        First();
    }
}

std::vector<int> TClientDataSet::activeIndexFields() const
{
    const QString list = m_indexName.isEmpty() ? m_indexFieldNames : m_indexDefs.at(m_indexName.toUpper());
    std::vector<int> indexes;
    for (const QString &name : splitFieldList(list))
        indexes.push_back(FieldByName(name).Index());
    return indexes;
}

void TClientDataSet::sortByIndex()
{
    const std::vector<int> fields = activeIndexFields();
    if (fields.empty())
        return;
    std::stable_sort(m_records.begin(), m_records.end(), [&fields](const Record &a, const Record &b) {
        for (int f : fields) {
            const std::string x = keyText(a[std::size_t(f)]);
            const std::string y = keyText(b[std::size_t(f)]);
            if (x != y)
                return x < y;
        }
        return false;
    });
}

bool TClientDataSet::FindKey(const std::vector<ktr::Variant> &keyValues)
{
    requireActive("find a key");
    const std::vector<int> fields = activeIndexFields();
    if (fields.empty())
        throw DataSetError(Name().toStdString() + ": FindKey needs an index");
    if (keyValues.empty() || keyValues.size() > fields.size())
        throw DataSetError(Name().toStdString() + ": FindKey got " + std::to_string(keyValues.size()) +
                           " values for an index of " + std::to_string(fields.size()) + " fields");
    for (std::size_t r = 0; r < m_records.size(); ++r) {
        bool match = true;
        for (std::size_t k = 0; k < keyValues.size() && match; ++k)
            match = keyText(m_records[r][std::size_t(fields[k])]) == keyText(keyValues[k]);
        if (match) {
            m_current = int(r);
            m_eof = m_bof = false;
            return true;
        }
    }
    return false;
}
