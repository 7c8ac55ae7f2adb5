#include "netleague/ui/off_thread.h"

#include <QEventLoop>
#include <QTimer>
#include <chrono>
#include <exception>
#include <future>
#include <thread>

namespace zt::ui {

void runOffThread(const std::function<void()>& work) {
    std::packaged_task<void()> task(work);
    std::future<void> done = task.get_future();
    std::thread worker(std::move(task));
    QEventLoop loop;
    QTimer poll;
    poll.setInterval(20);
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (done.wait_for(std::chrono::seconds(0)) == std::future_status::ready) {
            loop.quit();
        }
    });
    poll.start();
    if (done.wait_for(std::chrono::seconds(0)) != std::future_status::ready) {
        loop.exec();
    }
    worker.join();
    done.get();
}

}  // namespace zt::ui
