#include "view_fixture.h"

#include "platform/win/window_handle.h"


TEST_F(ViewTest, DeactivatedControlLosesItsWindowAndGetsItBackWithTheSamePage)
{
    ASSERT_NE(view->Page(), nullptr);
    EXPECT_EQ(view->Page()->GetParent(), view);
    HWND window = nullptr;
    EXPECT_EQ(view->m_inPlaceObject->GetWindow(&window), S_OK);
    EXPECT_EQ(window, WindowHandle(view->Page()));
    EXPECT_EQ(view->m_controlWindow, window);
    EXPECT_NE(view->m_inPlaceActiveObject.Get(), nullptr) << "the control became the frame's active object";

    ASSERT_TRUE(view->LoadString("<body>kept page</body>"));
    ASSERT_EQ(view->m_inPlaceObject->InPlaceDeactivate(), S_OK);
    EXPECT_EQ(view->Page(), nullptr);
    EXPECT_EQ(view->m_inPlaceObject->GetWindow(&window), E_FAIL);
    EXPECT_EQ(view->m_inPlaceActiveObject.Get(), nullptr);
    view->Print("", "");

    const RECT area = {0, 0, 150, 80};
    ASSERT_EQ(view->m_oleObject->DoVerb(OLEIVERB_SHOW, nullptr, view->m_clientSite.Get(), 0, WindowHandle(view),
                                        &area),
              S_OK);
    ASSERT_NE(view->Page(), nullptr);
    EXPECT_EQ(view->Page()->GetSize(), view->GetClientSize()) << "the site gives the rectangle";
    EXPECT_NE(view->m_inPlaceActiveObject.Get(), nullptr);
    EXPECT_TRUE(PumpUntil([&] { return view->RenderedText() == "kept page"; }));

    view->SetSize(300, 200);
    EXPECT_TRUE(PumpUntil([&] { return view->Page()->GetSize() == wxSize(300, 200); }));
}
