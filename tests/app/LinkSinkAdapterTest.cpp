// Link traffic reaches the owning form on the user-interface thread.

// ui
#include "ui/LinkSinkAdapter.h"

// Qt
#include <QCoreApplication>
#include <QObject>
#include <QThread>

// std
#include <gtest/gtest.h>
#include <memory>
#include <thread>

namespace
{
struct Received
{
    std::int32_t message;
    std::int32_t wParam;
    std::vector<std::uint8_t> bytes;
    bool onUiThread;
};
} // namespace

TEST(LinkSinkAdapterTest, CallsFromALinkThreadArriveInOrderOnTheUiThread)
{
    QObject owner;
    std::vector<Received> received;
    CLinkSinkAdapter sink(
        &owner,
        [&](std::int32_t message, std::int32_t wParam, std::vector<std::uint8_t> bytes)
        {
            received.push_back(
                {message, wParam, std::move(bytes), QThread::currentThread() == owner.thread()});
        });
    std::thread reader(
        [&]
        {
            sink.OnLinkMessage(kLinkMessage, 4, {'S', '9', '\r', '\n'});
            sink.OnLinkMessage(kLinkMessage, kLinkEnd, {1});
        });
    reader.join();
    EXPECT_TRUE(received.empty()) << "nothing runs on the link's thread";

    QCoreApplication::processEvents();
    ASSERT_EQ(received.size(), 2u);
    EXPECT_EQ(received[0].message, kLinkMessage);
    EXPECT_EQ(received[0].wParam, 4);
    EXPECT_EQ(received[0].bytes, (std::vector<std::uint8_t>{'S', '9', '\r', '\n'}));
    EXPECT_EQ(received[1].wParam, kLinkEnd);
    EXPECT_TRUE(received[0].onUiThread && received[1].onUiThread);
}

TEST(LinkSinkAdapterTest, CallsStillQueuedWhenTheOwnerGoesAreDropped)
{
    auto owner = std::make_unique<QObject>();
    int calls = 0;
    CLinkSinkAdapter sink(owner.get(),
                          [&](std::int32_t, std::int32_t, std::vector<std::uint8_t>) { ++calls; });
    std::thread reader([&] { sink.OnLinkMessage(kLinkMessage, kLinkStep, {}); });
    reader.join();
    owner.reset();
    QCoreApplication::processEvents();
    EXPECT_EQ(calls, 0);
}
