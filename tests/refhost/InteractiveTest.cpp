// --interactive on Linux: a person answers the headless dialog at the
// terminal, field by field. Driven through a pseudo-terminal, as a person
// at a terminal would type.
#include <gtest/gtest.h>

#include <poll.h>
#include <pty.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <filesystem>
#include <string>

#include "HostProcess.h"

namespace {

class Terminal {
public:
    explicit Terminal(const std::vector<std::string>& arguments) {
        child_ = forkpty(&master_, nullptr, nullptr, nullptr);
        if (child_ == 0) {
            std::vector<char*> argv{const_cast<char*>(VORNIX_HOST_PROGRAM)};
            for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
            argv.push_back(nullptr);
            execv(VORNIX_HOST_PROGRAM, argv.data());
            _exit(127);
        }
    }
    ~Terminal() {
        if (child_ > 0 && exitCode_ < 0) {  // a test that stopped early
            kill(child_, SIGKILL);
            waitpid(child_, nullptr, 0);
        }
        close(master_);
    }

    // Reads until `text` has appeared (after what was read before); false
    // after ten seconds or at the end of the output.
    bool Expect(const std::string& text) {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        while (screen_.find(text, seen_) == std::string::npos) {
            if (std::chrono::steady_clock::now() > deadline || !ReadSome()) return false;
        }
        seen_ = screen_.find(text, seen_) + text.size();
        return true;
    }

    void Type(const std::string& line) {
        const std::string keys = line + "\r";
        EXPECT_EQ(write(master_, keys.data(), keys.size()), static_cast<ssize_t>(keys.size()));
    }
    void EndOfInput() { EXPECT_EQ(write(master_, "\x04", 1), 1); }  // Ctrl-D at the start of a line

    // Reads to the end of the output and returns the exit code; a program
    // still running after twenty seconds is stopped.
    int Wait() {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
        while (ReadSome()) {
            if (std::chrono::steady_clock::now() > deadline) {
                kill(child_, SIGKILL);
                break;
            }
        }
        int status = 0;
        waitpid(child_, &status, 0);
        exitCode_ = WIFEXITED(status) ? WEXITSTATUS(status) : 128;
        return exitCode_;
    }
    const std::string& Screen() const { return screen_; }

private:
    // False once the program has closed the terminal (it ended).
    bool ReadSome() {
        pollfd poller{master_, POLLIN, 0};
        if (poll(&poller, 1, 200) == 0) return true;
        char buffer[4096];
        const ssize_t got = read(master_, buffer, sizeof buffer);
        if (got <= 0) return false;
        screen_.append(buffer, static_cast<std::size_t>(got));
        return true;
    }

    int master_ = -1;
    pid_t child_ = -1;
    int exitCode_ = -1;
    std::string screen_;
    std::size_t seen_ = 0;
};

TEST(Interactive, APersonEditsTheFieldsUnderTheirTypingRulesAndPressesOk) {
    Terminal terminal({"--interactive", "--json", "--cursor", "1500,0,0"});
    ASSERT_TRUE(terminal.Expect("Vornix Primitive")) << terminal.Screen();
    ASSERT_TRUE(terminal.Expect("Ring Radius [1.00]: ")) << terminal.Screen();
    terminal.Type("");  // keeps 1.00
    ASSERT_TRUE(terminal.Expect("Tube Radius [0.50]: ")) << terminal.Screen();
    terminal.Type("0.25");
    ASSERT_TRUE(terminal.Expect("Ring Sections [12]: ")) << terminal.Screen();
    terminal.Type("-6x");  // digits only: the field keeps 6
    ASSERT_TRUE(terminal.Expect("the field refused \"-x\"; it reads \"6\"")) << terminal.Screen();
    ASSERT_TRUE(terminal.Expect("Tube Sections [12]: ")) << terminal.Screen();
    terminal.Type("8");
    ASSERT_TRUE(terminal.Expect("R/L [1.50]: ")) << terminal.Screen();
    terminal.Type("\\");  // emptied: the user origin
    ASSERT_TRUE(terminal.Expect("F/B [0.00]: ")) << terminal.Screen();
    terminal.Type("");
    ASSERT_TRUE(terminal.Expect("U/D [0.00]: ")) << terminal.Screen();
    terminal.Type("");
    ASSERT_TRUE(terminal.Expect("OK or Cancel? [OK]: ")) << terminal.Screen();
    terminal.Type("ok");
    EXPECT_EQ(terminal.Wait(), 0) << terminal.Screen();
    const std::string& screen = terminal.Screen();
    const std::string json = screen.substr(screen.find("{\"result\""));
    EXPECT_EQ(JsonMember(json, "result"), "true");
    EXPECT_EQ(JsonMember(json, "vertices"), "48");  // 6 × 8
    EXPECT_EQ(JsonMember(json, "selectedVertexCount"), "48");
}

TEST(Interactive, CancelAndTheEndOfInputBuildNothing) {
    {
        Terminal terminal({"--interactive", "--json"});
        for (int field = 0; field < 7; ++field) {
            ASSERT_TRUE(terminal.Expect("]: ")) << terminal.Screen();
            terminal.Type("");
        }
        ASSERT_TRUE(terminal.Expect("OK or Cancel? [OK]: ")) << terminal.Screen();
        terminal.Type("maybe");  // asked again
        ASSERT_TRUE(terminal.Expect("OK or Cancel? [OK]: ")) << terminal.Screen();
        terminal.Type("c");
        EXPECT_EQ(terminal.Wait(), 0);
        EXPECT_NE(terminal.Screen().find("\"result\":false"), std::string::npos) << terminal.Screen();
    }
    {
        Terminal terminal({"--interactive", "--json"});
        ASSERT_TRUE(terminal.Expect("Ring Radius [1.00]: ")) << terminal.Screen();
        terminal.EndOfInput();
        EXPECT_EQ(terminal.Wait(), 0);
        EXPECT_NE(terminal.Screen().find("(end of input: Cancel)"), std::string::npos) << terminal.Screen();
        EXPECT_NE(terminal.Screen().find("\"vertices\":0"), std::string::npos) << terminal.Screen();
    }
}

}  // namespace
