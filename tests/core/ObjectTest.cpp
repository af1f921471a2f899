#include "ClassRegistry.h"
#include "Object.h"

#include <gtest/gtest.h>

using namespace ktr;

namespace {

// A small late-bound object: a counter with a by-reference out parameter.
class Counter : public DispatchObject {
public:
    explicit Counter(int *destroyed = nullptr) : m_destroyed(destroyed)
    {
        addProperty("Value", [this] { return Variant(m_value); },
                    [this](const Variant &v) { m_value = v.toInt(); });
        addMethod("Add", [this](std::span<Variant> args) {
            m_value += argument(args, 0, "Add").toInt();
            return Variant(m_value);
        });
        addMethod("Split", [](std::span<Variant> args) {
            // Splits "a;b" into its halves, written back through the arguments.
            const std::string s = argument(args, 0, "Split").toString();
            const auto p = s.find(';');
            argument(args, 1, "Split");
            args[1] = Variant(s.substr(p + 1));
            return Variant(s.substr(0, p));
        });
        addMethod("Fail", [](std::span<Variant>) -> Variant { throw DispatchError("counter broke"); });
    }
    ~Counter() override
    {
        if (m_destroyed)
            ++*m_destroyed;
    }

private:
    int m_value = 0;
    int *m_destroyed;
};

TEST(LateBound, InvokesMembersByNameWithoutRegardToCase)
{
    ObjectRef c(new Counter);
    c.put("VALUE", Variant(40));
    EXPECT_EQ(c.call("add", {Variant(2)}).toInt(), 42);
    EXPECT_EQ(c.get("value").toInt(), 42);

    Variant args[2] = {Variant("left;right"), Variant()};
    EXPECT_EQ(c.call("Split", args).toString(), "left");
    EXPECT_EQ(args[1].toString(), "right");
}

TEST(LateBound, FailuresRaiseWithTheirMessage)
{
    ObjectRef c(new Counter);
    struct Case {
        const char *member;
        const char *message;
    } cases[] = {{"Fail", "counter broke"},
                 {"Nope", "Unknown name: Nope"},
                 {"Add", "Invalid number of parameters for Add"}};
    for (const Case &k : cases) {
        try {
            c.call(k.member);
            ADD_FAILURE() << k.member;
        } catch (const DispatchError &e) {
            EXPECT_STREQ(e.what(), k.message) << k.member;
        }
    }
    EXPECT_THROW(ObjectRef().call("Add", {Variant(1)}), DispatchError);
}

TEST(LateBound, VariantHoldsAReferenceUntilTheLastCopyGoes)
{
    int destroyed = 0;
    {
        Variant v(new Counter(&destroyed));
        Variant copy = v;
        v = Variant();
        EXPECT_EQ(destroyed, 0);
        EXPECT_EQ(objectOf(copy).get("Value").toInt(), 0);
    }
    EXPECT_EQ(destroyed, 1);
}

TEST(ClassRegistry, CreatesRegisteredClassesAndRefusesUnknownOnes)
{
    static ClassRegistration reg("Test.Counter", [] { return ObjectRef(new Counter); });
    ObjectRef a = createOleObject("test.COUNTER");
    ObjectRef b = createOleObject("Test.Counter");
    a.put("Value", Variant(5));
    EXPECT_EQ(b.get("Value").toInt(), 0) << "every creation gives a new object";
    try {
        createOleObject("No.Such.Class");
        FAIL();
    } catch (const DispatchError &e) {
        EXPECT_STREQ(e.what(), "Invalid class string: No.Such.Class");
    }
}

TEST(ClassRegistry, LoadsTheLibraryNamedByTheClassMap)
{
    const std::string dir = testing::TempDir();
    const std::string map = dir + "/classes.ini";
    FILE *f = std::fopen(map.c_str(), "w");
    ASSERT_NE(f, nullptr);
    std::fprintf(f, "; class map\n[Other]\nMissing.Class=nowhere.so\n[Classes]\n Missing.Class = %s/nolib.so \n", dir.c_str());
    std::fclose(f);
    setenv("KTR_CLASS_MAP", map.c_str(), 1);
    try {
        createOleObject("missing.class");
        FAIL();
    } catch (const DispatchError &e) {
        EXPECT_NE(std::string(e.what()).find("Cannot load the library of class missing.class"),
                  std::string::npos) << e.what();
    }
    unsetenv("KTR_CLASS_MAP");
}

} // namespace
