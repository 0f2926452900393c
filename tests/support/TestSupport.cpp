#include "support/TestSupport.h"

#include <allegro5/allegro.h>
#include <allegro5/allegro_image.h>

#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <signal.h>
#include <sstream>
#include <fcntl.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace testsupport {

namespace {
void sleepSeconds(double s)
{
    std::this_thread::sleep_for(std::chrono::duration<double>(s));
}

void killAndReap(pid_t pid)
{
    if (pid <= 0)
        return;
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
}
}  // namespace

TempDir::TempDir()
{
    char pattern[] = "/tmp/twinguard-test-XXXXXX";
    if (!mkdtemp(pattern))
        std::abort();
    dir = pattern;
}

TempDir::~TempDir()
{
    std::error_code error;
    std::filesystem::remove_all(dir, error);
}

Xvfb::Xvfb(int width, int height)
{
    // Xvfb picks a free display number itself and writes it to the pipe once it is ready, so
    // tests running side by side never race for one.
    int fds[2];
    if (pipe(fds) != 0)
        return;
    const std::string screen = std::to_string(width) + "x" + std::to_string(height) + "x24";
    const std::string writeEnd = std::to_string(fds[1]);
    pid = fork();
    if (pid == 0) {
        close(fds[0]);
        int devnull = open("/dev/null", O_WRONLY);
        dup2(devnull, 1);
        dup2(devnull, 2);
        execlp("Xvfb", "Xvfb", "-displayfd", writeEnd.c_str(), "-screen", "0", screen.c_str(),
               "-nolisten", "tcp", static_cast<char*>(nullptr));
        _exit(127);
    }
    close(fds[1]);
    std::string number;
    char c;
    while (read(fds[0], &c, 1) == 1 && c != '\n')
        number += c;
    close(fds[0]);
    if (!number.empty())
        display = ":" + number;
}

Xvfb::~Xvfb()
{
    if (pid > 0) {
        kill(pid, SIGTERM);
        waitpid(pid, nullptr, 0);
    }
}

GameProcess::GameProcess(const std::string& workDir, const std::string& display)
    : errFile(workDir + "/stderr.txt")
{
    pid = fork();
    if (pid == 0) {
        if (chdir(workDir.c_str()) != 0)
            _exit(126);
        int out = open("stdout.txt", O_WRONLY | O_CREAT | O_TRUNC, 0644);
        int err = open("stderr.txt", O_WRONLY | O_CREAT | O_TRUNC, 0644);
        int in = open("/dev/null", O_RDONLY);
        dup2(in, 0);
        dup2(out, 1);
        dup2(err, 2);
        if (display.empty())
            unsetenv("DISPLAY");
        else
            setenv("DISPLAY", display.c_str(), 1);
        setenv("ALSA_CONFIG_PATH", SOURCE_DIR "/tests/alsa-null.conf", 1);
        setenv("ALSOFT_DRIVERS", "null", 1);
        execl(TWINGUARD_BIN, TWINGUARD_BIN, static_cast<char*>(nullptr));
        _exit(127);
    }
}

GameProcess::~GameProcess()
{
    if (pid > 0)
        killAndReap(pid);
}

int GameProcess::waitExit(double seconds)
{
    if (pid <= 0)
        return status;
    const auto end = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
    while (std::chrono::steady_clock::now() < end) {
        int raw = 0;
        if (waitpid(pid, &raw, WNOHANG) == pid) {
            pid = -1;
            status = WIFEXITED(raw) ? WEXITSTATUS(raw) : 128 + WTERMSIG(raw);
            return status;
        }
        sleepSeconds(0.02);
    }
    killAndReap(pid);
    pid = -1;
    return -1;
}

bool GameProcess::running()
{
    if (pid <= 0)
        return false;
    int raw = 0;
    if (waitpid(pid, &raw, WNOHANG) == pid) {
        pid = -1;
        status = WIFEXITED(raw) ? WEXITSTATUS(raw) : 128 + WTERMSIG(raw);
        return false;
    }
    return true;
}

std::string GameProcess::stderrText() const
{
    return readFile(errFile);
}

std::string run(const std::string& command, int* status)
{
    std::string output;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) {
        if (status)
            *status = -1;
        return output;
    }
    char buffer[4096];
    size_t n;
    while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0)
        output.append(buffer, n);
    const int raw = pclose(pipe);
    if (status)
        *status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    return output;
}

std::string waitForWindow(const std::string& display, const std::string& pattern,
                          double seconds)
{
    const auto end = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
    while (std::chrono::steady_clock::now() < end) {
        std::string out =
            run("DISPLAY=" + display + " xdotool search --name '" + pattern + "' 2>/dev/null");
        std::istringstream lines(out);
        std::string id;
        if (lines >> id)
            return id;
        sleepSeconds(0.1);
    }
    return "";
}

bool waitWindowGone(const std::string& display, const std::string& pattern, double seconds)
{
    const auto end = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
    while (std::chrono::steady_clock::now() < end) {
        if (run("DISPLAY=" + display + " xdotool search --name '" + pattern + "' 2>/dev/null")
                .empty())
            return true;
        sleepSeconds(0.1);
    }
    return false;
}

void screenshot(const std::string& display, const std::string& path)
{
    run("import -display " + display + " -window root '" + path + "' 2>/dev/null");
}

void pressKey(const std::string& display, const std::string& window, const std::string& key)
{
    // Held a little, so that the game's one-event-per-frame poll sees press and release
    // in separate frames as a player's key stroke would give them.
    run("DISPLAY=" + display + " xdotool windowfocus --sync " + window + " keydown " + key +
        " sleep 0.08 keyup " + key);
}

bool Image::load(const std::string& path)
{
    if (!al_is_system_installed())
        al_init();
    al_init_image_addon();
    const int flags = al_get_new_bitmap_flags();
    al_set_new_bitmap_flags(ALLEGRO_MEMORY_BITMAP);
    ALLEGRO_BITMAP* bitmap = al_load_bitmap(path.c_str());
    al_set_new_bitmap_flags(flags);
    if (!bitmap)
        return false;
    width = al_get_bitmap_width(bitmap);
    height = al_get_bitmap_height(bitmap);
    rgb.assign(static_cast<size_t>(width) * height * 3, 0);
    ALLEGRO_LOCKED_REGION* region =
        al_lock_bitmap(bitmap, ALLEGRO_PIXEL_FORMAT_ABGR_8888_LE, ALLEGRO_LOCK_READONLY);
    for (int y = 0; y < height; ++y) {
        const auto* row = static_cast<const unsigned char*>(region->data) + y * region->pitch;
        for (int x = 0; x < width; ++x)
            std::memcpy(&rgb[(static_cast<size_t>(y) * width + x) * 3], row + 4 * x, 3);
    }
    al_unlock_bitmap(bitmap);
    al_destroy_bitmap(bitmap);
    return true;
}

int Image::brightness(int x, int y) const
{
    const unsigned char* p = &rgb[(static_cast<size_t>(y) * width + x) * 3];
    return (p[0] + p[1] + p[2]) / 3;
}

int Image::countBright(int x0, int y0, int x1, int y1, int threshold) const
{
    int count = 0;
    for (int y = y0; y < y1 && y < height; ++y)
        for (int x = x0; x < x1 && x < width; ++x)
            if (brightness(x, y) > threshold)
                ++count;
    return count;
}

double matchShare(const Image& screen, const Image& reference, int offsetY, int y0, int y1)
{
    long same = 0;
    long all = 0;
    for (int y = y0; y < y1 && y < screen.height; y += 2)
        for (int x = 0; x < reference.width && x < screen.width; x += 2) {
            const int ry = y - offsetY;
            if (ry < 0 || ry >= reference.height)
                continue;
            const unsigned char* a = &screen.rgb[(static_cast<size_t>(y) * screen.width + x) * 3];
            const unsigned char* b =
                &reference.rgb[(static_cast<size_t>(ry) * reference.width + x) * 3];
            ++all;
            if (std::abs(a[0] - b[0]) < 12 && std::abs(a[1] - b[1]) < 12 &&
                std::abs(a[2] - b[2]) < 12)
                ++same;
        }
    return all ? static_cast<double>(same) / all : 0.0;
}

void linkData(const std::string& workDir)
{
    std::filesystem::create_directory_symlink(DATA_DIR, workDir + "/data");
}

void writeFile(const std::string& path, const std::string& text)
{
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file << text;
}

void writeTone(const std::string& path, double seconds)
{
    const uint32_t rate = 44100;
    const uint32_t frames = static_cast<uint32_t>(seconds * rate);
    const uint32_t bytes = frames * 2;
    std::ofstream out(path, std::ios::binary);
    auto u32 = [&](uint32_t v) { out.write(reinterpret_cast<const char*>(&v), 4); };
    auto u16 = [&](uint16_t v) { out.write(reinterpret_cast<const char*>(&v), 2); };
    out.write("RIFF", 4);
    u32(36 + bytes);
    out.write("WAVEfmt ", 8);
    u32(16);
    u16(1);  // PCM
    u16(1);  // mono
    u32(rate);
    u32(rate * 2);
    u16(2);
    u16(16);
    out.write("data", 4);
    u32(bytes);
    for (uint32_t i = 0; i < frames; ++i)
        u16(static_cast<uint16_t>(static_cast<int16_t>(6000 * std::sin(i * 0.05))));
}

std::string readFile(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

bool fileExists(const std::string& path)
{
    return std::filesystem::exists(path);
}

}  // namespace testsupport
