// Whether a Wayland compositor answers, judged by its socket as the Wayland client library finds it.
#include "ui/qt/display_check.h"

#include <gtest/gtest.h>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>

namespace {

// A socket that accepts connections, as a compositor's does, for as long as it lives.
class ListeningSocket {
public:
    explicit ListeningSocket(const std::string& path) : path_(path), fd_(socket(AF_UNIX, SOCK_STREAM, 0)) {
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        std::strncpy(address.sun_path, path.c_str(), sizeof address.sun_path - 1);
        EXPECT_EQ(bind(fd_, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
        EXPECT_EQ(listen(fd_, 0), 0);  // a full queue at once: the probe must not wait for it
    }
    ~ListeningSocket() {
        close(fd_);
        std::filesystem::remove(path_);
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

TEST(NoDisplayMessage, OneLineNamingWhatDoesNotAnswer) {
    setenv("DISPLAY", ":999", 1);
    setenv("WAYLAND_DISPLAY", "wayland-9", 1);
    const std::string message = ui::qt::NoDisplayMessage();
    unsetenv("WAYLAND_DISPLAY");
    EXPECT_NE(message.find("(DISPLAY=:999 and WAYLAND_DISPLAY=wayland-9 do not answer)"), std::string::npos) << message;
    EXPECT_EQ(message.find('\n'), message.size() - 1) << "one line";
}

}  // namespace
