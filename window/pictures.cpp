#include "pictures.h"

#include <future>
#include <mutex>

namespace orvex {
namespace {

BoardPictures decode()
{
    BoardPictures p;
    p.background = QImage(QStringLiteral(":/background.png"));
    p.socket = QImage(QStringLiteral(":/socket.png"));
    return p;
}

std::mutex g_mutex;
std::shared_future<BoardPictures> g_pictures;

} // namespace

void preloadPictures()
{
    const std::lock_guard lock(g_mutex);
    if (!g_pictures.valid())
        g_pictures = std::async(std::launch::async, decode).share();
}

const BoardPictures& boardPictures()
{
    std::shared_future<BoardPictures> pictures;
    {
        const std::lock_guard lock(g_mutex);
        if (!g_pictures.valid())
            g_pictures = std::async(std::launch::deferred, decode).share();
        pictures = g_pictures;
    }
    return pictures.get(); // the shared state outlives this copy: g_pictures holds it
}

} // namespace orvex
