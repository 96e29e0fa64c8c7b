#include "display_check.h"

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string_view>
#include <utility>
#include <vector>

namespace ui::qt {
namespace {

std::optional<std::string> Variable(const char* name) {
    const char* value = std::getenv(name);
    if (!value || !*value) return std::nullopt;
    return std::string(value);
}

bool PlatformChosen(int argc, char** argv) {
    if (Variable("QT_QPA_PLATFORM")) return true;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "-platform") == 0 || std::strcmp(argv[i], "--platform") == 0) return true;
    }
    return false;
}

// Whether something listens on the Unix socket at path; abstract names start with '\0'. The connect
// does not wait: a server whose queue of connections is full is there all the same.
bool Listens(std::string_view path) {
    sockaddr_un address{};
    if (path.empty() || path.size() >= sizeof address.sun_path) return false;
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, path.data(), path.size());
    const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0) return false;
    const socklen_t length = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + path.size());
    const bool listening = connect(fd, reinterpret_cast<const sockaddr*>(&address), length) == 0 || errno == EAGAIN;
    close(fd);
    return listening;
}

// A local X display (":0", ":1.0", "unix:0") listens on its socket, abstract or in /tmp/.X11-unix.
// Other forms (a remote "host:10.0", a launchd path) are not judged here: Qt tries them, under the
// guard below.
bool X11Answers(const std::string& display) {
    std::string_view rest = display;
    if (rest.starts_with("unix:")) {
        rest.remove_prefix(4);
    }
    if (!rest.starts_with(':')) return true;
    rest.remove_prefix(1);
    const std::string number(rest.substr(0, rest.find('.')));
    if (number.empty() || number.find_first_not_of("0123456789") != std::string::npos) return true;
    const std::string path = "/tmp/.X11-unix/X" + number;
    return Listens(std::string(1, '\0') + path) || Listens(path);
}

// The message, the session's display variables as they stand.
std::string DescribeDisplays() {
    const std::optional<std::string> wayland = Variable("WAYLAND_DISPLAY"), x11 = Variable("DISPLAY");
    if (!wayland && !x11) return "neither DISPLAY nor WAYLAND_DISPLAY is set";
    std::string named;
    if (x11) named = "DISPLAY=" + *x11;
    if (wayland) named += (named.empty() ? "" : " and ") + ("WAYLAND_DISPLAY=" + *wayland);
    return named + (x11 && wayland ? " do not answer" : " does not answer");
}

void PrintNoDisplay() {
    std::fputs(NoDisplayMessage().c_str(), stderr);
    std::fflush(stderr);
}

// Qt's messages while the application is being made, held back until it is.
struct HeldMessage {
    QtMsgType type;
    QString text;
};
std::vector<HeldMessage> held;

void HoldOrFail(QtMsgType type, const QMessageLogContext&, const QString& text) {
    if (type == QtFatalMsg) {
        // Qt fails this way only for want of a platform it can reach.
        PrintNoDisplay();
        std::_Exit(1);
    }
    held.push_back({type, text});
}

}  // namespace

std::string NoDisplayMessage() {
    return "tarvolin: no display to show the window on (" + DescribeDisplays() +
           "); start it from a desktop session, or on a virtual display with: xvfb-run -a tarvolin\n";
}

bool WaylandAnswers() {
    if (Variable("WAYLAND_SOCKET")) return true;  // a compositor handed over a connection already
    const std::optional<std::string> name = Variable("WAYLAND_DISPLAY");
    if (!name) return false;
    if (name->front() == '/') return Listens(*name);
    const std::optional<std::string> runtime = Variable("XDG_RUNTIME_DIR");
    return runtime && Listens(*runtime + "/" + *name);
}

bool PrepareDisplay(int argc, char** argv) {
    if (PlatformChosen(argc, argv)) return true;
    const std::optional<std::string> x11 = Variable("DISPLAY");
    const bool wayland = WaylandAnswers();
    const bool x = x11 && X11Answers(*x11);
    if (wayland != x) qputenv("QT_QPA_PLATFORM", wayland ? "wayland" : "xcb");
    if (wayland || x) return true;
    PrintNoDisplay();
    return false;
}

DisplayFailureGuard::DisplayFailureGuard() : previous_(qInstallMessageHandler(HoldOrFail)) {}

DisplayFailureGuard::~DisplayFailureGuard() { Release(); }

void DisplayFailureGuard::Release() {
    if (released_) return;
    released_ = true;
    qInstallMessageHandler(previous_);
    for (const HeldMessage& message : held) {
        const QMessageLogContext context;
        if (previous_) {
            previous_(message.type, context, message.text);
        } else {
            qt_message_output(message.type, context, message.text);
        }
    }
    held.clear();
}

}  // namespace ui::qt
