#pragma once

#include <ClassRegistry.h>
#include <DemoData.h>
#include <Schema.h>

#include <QTemporaryDir>

#include <ostream>

#include <gtest/gtest.h>

namespace ktr {
// Readable Variants in test failures.
inline void PrintTo(const Variant &value, std::ostream *os)
{
    *os << value.debugString();
}
} // namespace ktr

// A demonstration database for the work-center, created by class name as a client does: the
// class map loads libktrworkcenter, which opens the file named by KTR_DATABASE.
class WorkCenterFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        m_file = m_dir.filePath(QStringLiteral("workcenter.db")).toStdString();
        m_db = ktr::store::openStore(m_file);
        ktr::store::seedDemo(*m_db);
        qputenv("KTR_DATABASE", QByteArray::fromStdString(m_file.string()));
        m_manager = ktr::createOleObject("HarrowWorkCenter.Manager");
        qunsetenv("KTR_DATABASE");
        m_manager.put("CodePage", ktr::Variant::wideText("936"));
    }

    ktr::ObjectRef service(const char *name) const { return ktr::objectOf(m_manager.get(name)); }

    QTemporaryDir m_dir;
    std::filesystem::path m_file;
    std::shared_ptr<ktr::store::Database> m_db;
    ktr::ObjectRef m_manager;
};
