#include <gtest/gtest.h>
#include <QCoreApplication>
#include <QUuid>
#include <thread>

#include "app_fixture.h"
#include "single_instance.h"

TEST(SingleInstance, ASecondLaunchFindsTheFirst) {
    const QString name = "piano-test-" + QUuid::createUuid().toString(QUuid::Id128);
    SingleInstance first(name);
    EXPECT_FALSE(first.anotherIsRunning());
    SingleInstance second(name);
    EXPECT_TRUE(second.anotherIsRunning());
}

TEST(EngineHost, PostsFromAnotherThreadArriveOnTheWindowInOrder) {
    Installation installation;
    RunningWindow run(installation);
    ASSERT_TRUE(run.start());
    std::vector<std::array<uint32_t, 3>> received;
    run.program().hooks.engineMessage = [&](uint32_t message, uint32_t wparam, uint32_t lparam) {
        received.push_back({message, wparam, lparam});
    };
    const NwHost host = run.program().host;
    std::thread engineThread([&host] {
        for (uint32_t i = 1; i <= 50; ++i)
            host.post(host.context, WM_MDRV_ACCOMP_NOTE, i, 100);
    });
    engineThread.join();
    QCoreApplication::processEvents();
    ASSERT_EQ(received.size(), 50u);
    for (uint32_t i = 0; i < 50; ++i)
        EXPECT_EQ(received[i], (std::array<uint32_t, 3>{WM_MDRV_ACCOMP_NOTE, i + 1, 100}));
    run.window().shutdown();
}
