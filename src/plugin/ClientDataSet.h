#pragma once

#include "DataSetField.h"

#include <Component.h>
#include <Variant.h>

#include <QPointer>
#include <QString>

#include <map>
#include <memory>
#include <stdexcept>
#include <vector>

class TSocketConnection;

// A data set operation that cannot be done: closed data set, unknown field or index, an
// answer of the provider that is no table.
class DataSetError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A client data set reading a provider of the application server through a socket
// connection (RemoteServer): Open fetches the provider's records once (the server call
// "ProviderRows"), and the data set then works on its own copy. Changes to fields stay here;
// nothing is sent back.
//
// Fields declared with AddField before the first Open keep their handlers and labels; fields
// the provider adds are created on Open and kept, with theirs, after Close. With an index
// (IndexFieldNames, or IndexName naming an AddIndex definition) the records are in index
// order and FindKey looks them up by its fields, compared exactly.
class TClientDataSet : public TComponent {
    Q_OBJECT
    Q_PROPERTY(QString ProviderName READ ProviderName WRITE SetProviderName)
    Q_PROPERTY(bool Active READ Active WRITE SetActive)
    Q_PROPERTY(QString IndexName READ IndexName WRITE SetIndexName)
    Q_PROPERTY(QString IndexFieldNames READ IndexFieldNames WRITE SetIndexFieldNames)
public:
    static constexpr const char *kProviderRowsCall = "ProviderRows";

    explicit TClientDataSet(QObject *owner = nullptr);
    ~TClientDataSet() override;

    QString ProviderName() const { return m_providerName; }
    void SetProviderName(const QString &name) { m_providerName = name; }
    TSocketConnection *RemoteServer() const;
    void SetRemoteServer(TSocketConnection *connection);

    bool Active() const { return m_active; }
    void SetActive(bool active);
    // Fetches the provider's records; raises DispatchError when the server call fails and
    // DataSetError when there is no connection or the answer is no table.
    void Open();
    void Close();

    void First();
    void Next();
    void Prior();
    void Last();
    bool Eof() const { return m_eof; }
    bool Bof() const { return m_bof; }
    int RecordCount() const;
    int RecNo() const; // 1-based; 0 without records

    TField &AddField(const QString &name, TFieldType type = TFieldType::ftString);
    int FieldCount() const { return int(m_fields.size()); }
    TField &Fields(int index) const;
    TField *FindField(const QString &name) const;
    TField &FieldByName(const QString &name) const;

    void AddIndex(const QString &name, const QString &fields);
    QString IndexName() const { return m_indexName; }
    void SetIndexName(const QString &name);
    QString IndexFieldNames() const { return m_indexFieldNames; }
    void SetIndexFieldNames(const QString &fields);
    // Moves to the first record whose index fields equal the key values; false (and the
    // cursor unchanged) when there is none.
    bool FindKey(const std::vector<ktr::Variant> &keyValues);

private:
    friend class TField;
    int fieldIndex(const TField &field) const;
    ktr::Variant currentValue(int fieldIndex) const;
    void setCurrentValue(int fieldIndex, const ktr::Variant &value);
    void requireActive(const char *operation) const;
    std::vector<int> activeIndexFields() const;
    void sortByIndex();
    void loadAnswer(const ktr::Variant &answer);

    using Record = std::vector<ktr::Variant>;

    QString m_providerName;
    QPointer<TSocketConnection> m_remoteServer;
    std::vector<std::unique_ptr<TField>> m_fields;
    std::map<QString, QString> m_indexDefs; // index name in upper case -> field list
    QString m_indexName;
    QString m_indexFieldNames;
    std::vector<Record> m_records;
    int m_current = -1;
    bool m_active = false;
    bool m_eof = true;
    bool m_bof = true;
};
