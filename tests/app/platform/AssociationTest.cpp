#include "assoc/FreedesktopAssoc.h"
#include "support/TempDir.h"
#include "util/XEComShell.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <unistd.h>

namespace {

using namespace qor;
using qortest::ReadAll;
using qortest::TempDir;
namespace fs = std::filesystem;

TEST(MimeAppsList, SettingAValueKeepsEveryOtherLine)
{
    const struct {
        std::string Before, After;
    } cases[] = {
        {"", "[S]\nk=v\n"},
        {"[S]\nk=old\n", "[S]\nk=v\n"},
        {"[S]\na=1\n\n[T]\nk=x\n", "[S]\na=1\nk=v\n\n[T]\nk=x\n"},
        {"[T]\nk=x\n", "[T]\nk=x\n\n[S]\nk=v\n"},
        {"# note\n[S]\nkk=1\nk=old\nz=2\n", "# note\n[S]\nkk=1\nk=v\nz=2\n"},
        {"[S]\n[T]\n", "[S]\nk=v\n[T]\n"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(SetIniValue(c.Before, "S", "k", "v"), c.After) << c.Before;
        EXPECT_EQ(GetIniValue(c.After, "S", "k"), "v");
    }
    EXPECT_EQ(GetIniValue("[T]\nk=x\n", "S", "k"), "");
    EXPECT_EQ(GetIniValue("[S]\r\nk=x\r\n", "S", "k"), "x");
}

class AssociationTest : public testing::Test {
protected:
    TXdgDirs Dirs() const { return {FDir / "data", FDir / "config", {FDir / "system"}}; }
    // A program of a path that needs quoting.
    fs::path Program() const { return FDir.Write("my apps/qorgallery-gui", "#!/bin/sh\n"); }
    TempDir FDir;
};

TEST_F(AssociationTest, AssociatingWritesTypeEntryAndDefaultAndKeepsOtherDefaults)
{
    FDir.Write("config/mimeapps.list", "[Default Applications]\ntext/plain=editor.desktop\n");
    EXPECT_FALSE(IsAssociated(Dirs()));
    AssociateProjectFiles(Program(), Dirs());
    EXPECT_TRUE(IsAssociated(Dirs()));

    std::string list = ReadAll(FDir / "config/mimeapps.list");
    EXPECT_EQ(GetIniValue(list, "Default Applications", "text/plain"), "editor.desktop");
    EXPECT_EQ(GetIniValue(list, "Default Applications", ProjectMimeType), DesktopId);
    std::string entry = ReadAll(FDir / "data/applications" / DesktopId);
    EXPECT_EQ(GetIniValue(entry, "Desktop Entry", "Exec"),
              "\"" + Program().string() + "\" %f"); // a blank: quoted
    EXPECT_EQ(GetIniValue(entry, "Desktop Entry", "MimeType"), std::string(ProjectMimeType) + ";");
    std::string type = ReadAll(FDir / "data/mime/packages/qorgallery-project.xml");
    EXPECT_NE(type.find(R"(<glob pattern="*.qor" case-sensitive="false"/>)"), std::string::npos);
    // The same type as the package installs for every user.
    EXPECT_EQ(type, ReadAll(std::string(QOR_SOURCE_DIR) + "/packaging/qorgallery.xml"));

    // Associating again changes nothing.
    AssociateProjectFiles(Program(), Dirs());
    EXPECT_EQ(ReadAll(FDir / "config/mimeapps.list"), list);
}

TEST_F(AssociationTest, InstalledEntryOfTheSameProgramIsUsedAsItIs)
{
    fs::path program = Program();
    FDir.Write(std::string("system/applications/") + DesktopId,
               "[Desktop Entry]\nExec=\"" + program.string() + "\" %f\n");
    AssociateProjectFiles(program, Dirs());
    EXPECT_FALSE(fs::exists(FDir / "data/applications" / DesktopId));
    EXPECT_TRUE(IsAssociated(Dirs()));
}

TEST_F(AssociationTest, InstalledPackageIsTheDefaultUntilTheUserChoosesAnother)
{
    FDir.Write(std::string("system/applications/") + DesktopId,
               "[Desktop Entry]\nExec=qorgallery-gui %f\n");
    FDir.Write("system/mime/packages/qorgallery.xml",
               ReadAll(std::string(QOR_SOURCE_DIR) + "/packaging/qorgallery.xml"));
    EXPECT_FALSE(IsAssociated(Dirs())); // the desktop has not yet listed the entry's types
    FDir.Write("system/applications/mimeinfo.cache", std::string("[MIME Cache]\n") +
                                                         ProjectMimeType + "=" + DesktopId +
                                                         ";other.desktop;\n");
    EXPECT_TRUE(IsAssociated(Dirs()));
    FDir.Write("config/mimeapps.list",
               std::string("[Default Applications]\n") + ProjectMimeType + "=other.desktop\n");
    EXPECT_FALSE(IsAssociated(Dirs()));
}

TEST_F(AssociationTest, DefaultOfAnotherProgramIsNoAssociation)
{
    AssociateProjectFiles(Program(), Dirs());
    fs::path list = FDir / "config/mimeapps.list";
    FDir.Write("config/mimeapps.list", SetIniValue(ReadAll(list), "Default Applications",
                                                   ProjectMimeType, "other.desktop"));
    EXPECT_FALSE(IsAssociated(Dirs()));
}

// The association program as the settings dialog runs it, checked with the desktop's own
// tools: the MIME database knows the type's glob and xdg-mime finds our entry as its default.
class AssociationProgramTest : public AssociationTest {
protected:
    void SetUp() override
    {
        setenv("XDG_DATA_HOME", (FDir / "data").c_str(), 1);
        setenv("XDG_CONFIG_HOME", (FDir / "config").c_str(), 1);
        setenv("XDG_DATA_DIRS", (FDir / "system").c_str(), 1);
    }
    static std::string Output(const std::string& command)
    {
        std::string text;
        FILE* pipe = popen(command.c_str(), "r");
        std::array<char, 256> buffer{};
        while (pipe && fgets(buffer.data(), buffer.size(), pipe))
            text += buffer.data();
        if (pipe) pclose(pipe);
        return text;
    }
    const std::string FAssoc = std::string(QOR_BIN_DIR) + "/qorgallery-assoc";
};

TEST_F(AssociationProgramTest, RunsFromTheCommandLineAndXdgMimeAgrees)
{
    EXPECT_EQ(RunProgram({FAssoc, "--check"}, 10000), 1);
    EXPECT_EQ(RunProgram({FAssoc, (FDir / "missing").string()}, 10000), 1);
    EXPECT_EQ(RunProgram({FAssoc}, 10000), 2);
    ASSERT_EQ(RunProgram({FAssoc, Program().string()}, 30000), 0);
    EXPECT_EQ(RunProgram({FAssoc, "--check"}, 10000), 0);

    if (RunProgram({"sh", "-c", "command -v xdg-mime && command -v update-mime-database"}, 10000) !=
        0)
        GTEST_SKIP() << "xdg-utils or shared-mime-info is not installed";
    // The MIME database of the user was rebuilt with the type's glob.
    std::string globs = ReadAll(FDir / "data/mime/globs2");
    EXPECT_NE(globs.find(std::string(":") + ProjectMimeType + ":*.qor"), std::string::npos)
        << globs;
    EXPECT_EQ(Output(std::string("xdg-mime query default ") + ProjectMimeType),
              std::string(DesktopId) + "\n");
}

// Paths that need the desktop entry's quoting and escaping: the written Exec is exactly the
// quoted form, the desktop's own validator accepts it, and GLib launching the entry runs
// exactly that program with the project.
TEST_F(AssociationProgramTest, HostilePathsAreQuotedSoTheDesktopRunsExactlyThatProgram)
{
    const struct {
        std::string Folder, Exec; // Exec with @ for the test folder
    } cases[] = {
        {"my apps", R"("@/my apps/qorgallery-gui" %f)"},
        {R"(say "hi")", R"("@/say \\"hi\\"/qorgallery-gui" %f)"},
        {"$HOME", R"("@/\\$HOME/qorgallery-gui" %f)"},
        {R"(back\slash)", R"("@/back\\\\slash/qorgallery-gui" %f)"},
        {"`id`", R"("@/\\`id\\`/qorgallery-gui" %f)"},
        {"100%f", R"(@/100%%f/qorgallery-gui %f)"},
        {"it's; rm", R"("@/it's; rm/qorgallery-gui" %f)"},
    };
    fs::path opened = FDir / "opened.txt";
    fs::path project = FDir.Write("a project.qor", "QorSlider project");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Folder);
        // Written beside and renamed, so that the file appears whole: the wait below ends
        // as soon as it exists.
        fs::path program = FDir.Write(c.Folder + "/qorgallery-gui",
                                      "#!/bin/sh\nprintf '%s|%s' \"$0\" \"$1\" > '" +
                                          opened.string() + ".part' && mv '" + opened.string() +
                                          ".part' '" + opened.string() + "'\n");
        fs::permissions(program, fs::perms::owner_all);
        ASSERT_EQ(RunProgram({FAssoc, program.string()}, 30000), 0);
        fs::path entry = FDir / "data/applications" / DesktopId;
        std::string exec = c.Exec;
        exec.replace(exec.find('@'), 1, FDir.Path().string());
        EXPECT_EQ(GetIniValue(ReadAll(entry), "Desktop Entry", "Exec"), exec);
        EXPECT_EQ(Output("desktop-file-validate '" + entry.string() + "' 2>&1"), "");
        // GLib looks for the program before undoing %%, so it cannot start a path with a %.
        if (c.Folder.find('%') != std::string::npos) continue;
        fs::remove(opened);
        ASSERT_EQ(RunProgram({"gio", "launch", entry.string(), project.string()}, 30000), 0);
        for (int i = 0; i < 100 && !fs::exists(opened); ++i)
            usleep(50000);
        EXPECT_EQ(ReadAll(opened), program.string() + "|" + project.string());
    }
}

// A control character would end the Exec line and start a line of the path's choosing.
TEST_F(AssociationProgramTest, APathWithAControlCharacterIsRefused)
{
    for (std::string folder : {"new\nExec=evil", "tab\there", "esc\x1b", "del\x7f"}) {
        SCOPED_TRACE(folder);
        fs::path program = FDir.Write(folder + "/qorgallery-gui", "#!/bin/sh\n");
        setenv("QOR_PROGRAM", program.c_str(), 1);
        std::string said = Output(FAssoc + " \"$QOR_PROGRAM\" 2>&1; echo \"exit $?\"");
        EXPECT_NE(said.find("control character"), std::string::npos) << said;
        EXPECT_TRUE(said.ends_with("exit 1\n")) << said;
        EXPECT_FALSE(fs::exists(FDir / "data/applications" / DesktopId));
        EXPECT_FALSE(fs::exists(FDir / "config/mimeapps.list"));
    }
}

TEST_F(AssociationProgramTest, XdgOpenStartsTheAssociatedProgramWithTheProject)
{
    if (RunProgram({"sh", "-c", "command -v xdg-open && command -v mimetype"}, 10000) != 0)
        GTEST_SKIP() << "xdg-utils or libfile-mimeinfo-perl is not installed";
    // A stand-in for the desktop program that notes what it was asked to open.
    fs::path opened = FDir / "opened.txt";
    fs::path program = FDir.Write("bin/qorgallery-gui",
                                  "#!/bin/sh\nprintf '%s' \"$1\" > '" + opened.string() + "'\n");
    fs::permissions(program, fs::perms::owner_all);
    ASSERT_EQ(RunProgram({FAssoc, program.string()}, 30000), 0);
    fs::path project = FDir.Write("Summer Trip.QOR", "QorSlider project");
    ASSERT_EQ(
        RunProgram({"env", "XDG_CURRENT_DESKTOP=", "DISPLAY=:0", "xdg-open", project.string()},
                   30000),
        0);
    for (int i = 0; i < 100 && !fs::exists(opened); ++i)
        usleep(50000);
    EXPECT_EQ(ReadAll(opened), project.string());
}

} // namespace
