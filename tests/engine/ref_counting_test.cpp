// Reference counting of the launcher's objects, through CefRefPtr and through
// the tables the engine holds.
#include "bridges.h"
#include "instance_counter.h"

#include "engine/cef_client.h"

#include <gtest/gtest.h>

#include <thread>
#include <vector>

namespace {

using enginetest::InstanceCounter;

class CountedClient : public CefClient,
                      public CefDisplayHandler,
                      public CefLifeSpanHandler,
                      public InstanceCounter<CountedClient> {
public:
    CefRefPtr<CefDisplayHandler> GetDisplayHandler() override { return this; }
    CefRefPtr<CefLifeSpanHandler> GetLifeSpanHandler() override { return this; }

    IMPLEMENT_REFCOUNTING(CountedClient);
};

TEST(RefCounting, ReleaseReportsTheDeletionOfTheLastReference)
{
    auto* client = new CountedClient;
    EXPECT_FALSE(client->HasOneRef());
    {
        CefRefPtr<CountedClient> first = client;
        EXPECT_TRUE(client->HasOneRef());
        CefRefPtr<CefClient> second = first;
        EXPECT_FALSE(client->HasOneRef());
        CefRefPtr<CefClient> moved = std::move(second);
        EXPECT_EQ(second.get(), nullptr);
        EXPECT_FALSE(client->HasOneRef());
        client->AddRef();
        EXPECT_FALSE(client->Release());
        EXPECT_EQ(InstanceCounter<CountedClient>::Live(), 1);
    }
    EXPECT_EQ(InstanceCounter<CountedClient>::Live(), 0);

    auto* lone = new CountedClient;
    lone->AddRef();
    EXPECT_TRUE(lone->Release());
    EXPECT_EQ(InstanceCounter<CountedClient>::Live(), 0);
}

TEST(RefCounting, EveryTableOfAnObjectSharesItsOneCount)
{
    CefRefPtr<CountedClient> client = new CountedClient;
    cef_client_t* clientTable = engine_internal::NewEngineReference(CefRefPtr<CefClient>(client));
    cef_display_handler_t* displayTable = clientTable->get_display_handler(clientTable);
    cef_life_span_handler_t* lifeSpanTable = clientTable->get_life_span_handler(clientTable);
    ASSERT_NE(displayTable, nullptr);
    ASSERT_NE(lifeSpanTable, nullptr);
    EXPECT_NE(static_cast<void*>(displayTable), static_cast<void*>(clientTable));
    EXPECT_NE(static_cast<void*>(displayTable), static_cast<void*>(lifeSpanTable));

    EXPECT_EQ(displayTable->base.release(&displayTable->base), 0);
    EXPECT_EQ(lifeSpanTable->base.release(&lifeSpanTable->base), 0);
    EXPECT_FALSE(client->HasOneRef());
    EXPECT_EQ(clientTable->base.release(&clientTable->base), 0);
    EXPECT_TRUE(client->HasOneRef());

    // The engine's last reference deletes the object and says so.
    displayTable->base.add_ref(&displayTable->base);
    client = nullptr;
    EXPECT_EQ(InstanceCounter<CountedClient>::Live(), 1);
    EXPECT_TRUE(displayTable->base.has_one_ref(&displayTable->base));
    EXPECT_EQ(displayTable->base.release(&displayTable->base), 1);
    EXPECT_EQ(InstanceCounter<CountedClient>::Live(), 0);
}

TEST(RefCounting, CountsStayExactUnderConcurrentUse)
{
    constexpr int kThreads = 4;
    constexpr int kPairsPerThread = 200000;
    CefRefPtr<CountedClient> client = new CountedClient;
    cef_client_t* table = engine_internal::NewEngineReference(CefRefPtr<CefClient>(client));
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t) {
        threads.emplace_back([table, &client, t] {
            for (int i = 0; i < kPairsPerThread; ++i) {
                if (t % 2 == 0) {
                    table->base.add_ref(&table->base);
                    table->base.release(&table->base);
                } else {
                    CefRefPtr<CefClient> copy = client;
                }
            }
        });
    }
    for (std::thread& thread : threads)
        thread.join();
    EXPECT_EQ(table->base.release(&table->base), 0);
    EXPECT_TRUE(client->HasOneRef());
    client = nullptr;
    EXPECT_EQ(InstanceCounter<CountedClient>::Live(), 0);
}

}  // namespace
