// What the main window's tests share: a window made as the program makes it, pictures put
// into its list, and message boxes answered by the test.
#pragma once

#include "app/listview/XEImgLS.h"
#include "app/platform/MessageBox.h"
#include "app/support/AppTestEnv.h"
#include "app/window/FrmSlider1.h"

#include <QEventLoop>
#include <QTimer>

#include <deque>
#include <memory>
#include <string>
#include <vector>

namespace qor::test {

// Answers message boxes from a queue (OK when it is empty) and records their texts.
class TScriptedAnswers {
public:
    TScriptedAnswers()
    {
        SetMsgAnswerer([this](const std::string& text, unsigned, TMsgKind) {
            Asked.push_back(text);
            if (Answers.empty()) return mbOK;
            TMsgButton answer = Answers.front();
            Answers.pop_front();
            return answer;
        });
    }
    ~TScriptedAnswers() { SetMsgAnswerer(EscapeFromUnexpectedBox); }

    std::deque<TMsgButton> Answers;
    std::vector<std::string> Asked;
};

// A window started as the program starts it, its first show done.
inline std::unique_ptr<TFrmSlider1> NewWindow()
{
    auto window = std::make_unique<TFrmSlider1>();
    window->OnCreateChildForm({"qorgallery-gui"});
    window->show();
    if (!QTest::qWaitFor([&window] { return window->FirstShowDone(); }, 5000))
        qWarning("the window's first show did not come");
    return window;
}

// The bundled sample pictures, count times over (repeating them).
inline TStringList SamplePictures(int count)
{
    const char* names[] = {"desert.jpg", "forest.jpg", "night.jpg", "sea.jpg", "snow.jpg", "sunset.jpg"};
    TStringList files;
    for (int i = 0; i < count; ++i) files.push_back(SamplePicturesFolder() + "/" + names[i % 6]);
    return files;
}

// Lets the event loop go idle once, as it does between a user's actions.
inline void RunUntilIdle()
{
    QEventLoop loop;
    QTimer::singleShot(20, &loop, &QEventLoop::quit);
    loop.exec();
}

// Selects exactly the entries at ids, as clicks would, and tells the window.
inline void SelectEntries(TFrmSlider1& window, std::initializer_list<int> ids)
{
    TXEImgLS& list = window.XEImgLS1();
    list.SelectALL(false, false, true);
    for (int id : ids) list.IdToPInfo(id)->Selected = true;
    list.ChangeSelection(true);
}

} // namespace qor::test
