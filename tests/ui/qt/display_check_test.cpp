// Whether a Wayland compositor answers, judged by its socket as the Wayland client library finds it.
#include "ui/qt/display_check.h"

#include <gtest/gtest.h>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <algorithm>
#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <optional>
#include <string>

namespace {

// A socket that accepts connections, as a compositor's or an X server's does, for as long as it
// lives. A path starting with '\0' is an abstract name, as X servers on Linux listen on.
class ListeningSocket {
public:
    explicit ListeningSocket(const std::string& path) : path_(path), fd_(socket(AF_UNIX, SOCK_STREAM, 0)) {
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        std::memcpy(address.sun_path, path.data(), std::min(path.size(), sizeof address.sun_path - 1));
        const auto length = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + path.size());
        EXPECT_EQ(bind(fd_, reinterpret_cast<const sockaddr*>(&address), length), 0) << path;
        EXPECT_EQ(listen(fd_, 0), 0);  // a full queue at once: the probe must not wait for it
    }
    ~ListeningSocket() {
        close(fd_);
        if (path_.front() != '\0') std::filesystem::remove(path_);
    }

private:
    std::string path_;
    int fd_;
};

class WaylandAnswers : public testing::Test {
protected:
    void SetUp() override {
        char directory[] = "/tmp/tarvolin-runtime-XXXXXX";
        ASSERT_NE(mkdtemp(directory), nullptr);
        runtime_ = directory;
        setenv("XDG_RUNTIME_DIR", directory, 1);
        unsetenv("WAYLAND_SOCKET");
    }
    void TearDown() override {
        unsetenv("WAYLAND_DISPLAY");
        unsetenv("XDG_RUNTIME_DIR");
        std::filesystem::remove_all(runtime_);
    }
    std::string runtime_;
};

TEST_F(WaylandAnswers, OnlyWhereACompositorListens) {
    setenv("WAYLAND_DISPLAY", "wayland-7", 1);
    EXPECT_FALSE(ui::qt::WaylandAnswers()) << "no socket";
    {
        ListeningSocket compositor(runtime_ + "/wayland-7");
        EXPECT_TRUE(ui::qt::WaylandAnswers());
        setenv("WAYLAND_DISPLAY", (runtime_ + "/wayland-7").c_str(), 1);
        EXPECT_TRUE(ui::qt::WaylandAnswers()) << "an absolute path";
        unsetenv("XDG_RUNTIME_DIR");
        EXPECT_TRUE(ui::qt::WaylandAnswers()) << "an absolute path needs no runtime folder";
        setenv("WAYLAND_DISPLAY", "wayland-7", 1);
        EXPECT_FALSE(ui::qt::WaylandAnswers()) << "a name needs the runtime folder";
        setenv("XDG_RUNTIME_DIR", runtime_.c_str(), 1);
    }
    EXPECT_FALSE(ui::qt::WaylandAnswers()) << "the compositor is gone, its socket file too";
    unsetenv("WAYLAND_DISPLAY");
    EXPECT_FALSE(ui::qt::WaylandAnswers()) << "none named";
}

// Where one of the two displays answers, Qt is sent to it; where both do, Qt chooses; where none
// does, the program says so. The displays are sockets that listen, or nothing at all.
TEST_F(WaylandAnswers, PrepareDisplaySendsQtToTheDisplayThatAnswers) {
    const QByteArray chosen = qgetenv("QT_QPA_PLATFORM"), display = qgetenv("DISPLAY");
    const struct {
        bool wayland, x11;
        bool prepared;
        const char* platform;  // QT_QPA_PLATFORM afterwards; "" for none set
    } rows[] = {{true, false, true, "wayland"}, {false, true, true, "xcb"}, {true, true, true, ""},
                {false, false, false, ""}};
    setenv("WAYLAND_DISPLAY", "wayland-7", 1);
    setenv("DISPLAY", ":787", 1);  // no server here: its socket is the one made below
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << "Wayland " << row.wayland << ", X11 " << row.x11);
        unsetenv("QT_QPA_PLATFORM");
        std::optional<ListeningSocket> compositor, server;
        if (row.wayland) compositor.emplace(runtime_ + "/wayland-7");
        if (row.x11) server.emplace(std::string(1, '\0') + "/tmp/.X11-unix/X787");
        char program[] = "tarvolin";
        char* argv[] = {program, nullptr};
        testing::internal::CaptureStderr();
        EXPECT_EQ(ui::qt::PrepareDisplay(1, argv), row.prepared);
        const std::string said = testing::internal::GetCapturedStderr();
        EXPECT_EQ(qgetenv("QT_QPA_PLATFORM"), row.platform);
        EXPECT_EQ(said.empty(), row.prepared) << said;
    }
    qputenv("DISPLAY", display);
    qputenv("QT_QPA_PLATFORM", chosen);
}

TEST(NoDisplayMessage, OneLineNamingWhatDoesNotAnswer) {
    setenv("DISPLAY", ":999", 1);
    setenv("WAYLAND_DISPLAY", "wayland-9", 1);
    const std::string message = ui::qt::NoDisplayMessage();
    unsetenv("WAYLAND_DISPLAY");
    EXPECT_NE(message.find("(DISPLAY=:999 and WAYLAND_DISPLAY=wayland-9 do not answer)"), std::string::npos) << message;
    EXPECT_EQ(message.find('\n'), message.size() - 1) << "one line";
}

}  // namespace
