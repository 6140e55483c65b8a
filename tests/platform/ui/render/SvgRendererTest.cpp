// The SVG picture of a sample dialog, checked by its structure.
#include "platform/ui/render/SvgRenderer.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <regex>
#include <string>
#include <vector>

#include "platform/ui/CDialog.h"
#include "platform/ui/DialogTemplate.h"
#include "platform/ui/WindowClassRegistry.h"
#include "platform/ui/controls/CButton.h"
#include "platform/ui/controls/CComboBox.h"
#include "platform/ui/gdi/CPaintDC.h"
#include "platform/ui/gdi/GdiClasses.h"
#include "platform/ui/gdi/ResourceImages.h"
#include "support/TempDir.h"

namespace {

constexpr int kTemplate = 60401;
constexpr int kLabel = 1000;
constexpr int kNameEdit = 1001;
constexpr int kBoltsCheck = 1002;
constexpr int kKindCombo = 1003;
constexpr int kGroup = 1004;
constexpr int kHiddenNote = 1005;
constexpr int kSheet = 1006;
constexpr int kPassword = 1007;

// A grid stand-in: a custom class whose painter draws cells.
class FakeSheet : public CWnd {};

void registerSample() {
    static const bool registered = [] {
        ui::registerWindowClass(L"fpUSpread70", [] { return std::make_unique<FakeSheet>(); });
        render::registerClassPainter(L"fpUSpread70", [](CWnd&, CDC& dc) {
            const CRect cell(0, 0, 40, 16);
            dc.Rectangle(&cell);
            dc.TextOut(2, 2, L"R1C1");
        });
        return true;
    }();
    (void)registered;
    ui::DialogTemplate t(kTemplate, 0, 0, 200, 150, L"Sample & <test>",
                         DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU);
    t.lText(kLabel, L"&Name", 5, 5, 40, 10)
        .editText(kNameEdit, 50, 5, 100, 12)
        .autoCheckBox(kBoltsCheck, L"Bolts", 5, 22, 60, 10)
        .comboBox(kKindCombo, 70, 22, 80, 60, CBS_DROPDOWNLIST)
        .groupBox(kGroup, L"Frame", 5, 40, 190, 60)
        .lText(kHiddenNote, L"Secret note", 10, 50, 100, 10)
        .control(kSheet, L"fpUSpread70", L"", WS_VISIBLE, 10, 60, 100, 30)
        .editText(kPassword, 120, 60, 60, 12, ES_PASSWORD)
        .defPushButton(IDOK, L"OK", 5, 130, 50, 14)
        .pushButton(IDCANCEL, L"Cancel", 145, 130, 50, 14);
    ui::registerDialogTemplate(t);
}

// The sample: a background picture drawn on erase, transparent labels, and
// a painted marker in its paint handler.
class SampleDialog : public CDialog {
  public:
    SampleDialog() : CDialog(kTemplate) {
        PixelImage picture(4, 4, false, RGB(200, 30, 30));
        background.CreateFromPicture(picture);
    }
    BOOL OnInitDialog() override {
        CDialog::OnInitDialog();
        static_cast<CComboBox*>(GetDlgItem(kKindCombo))->AddString(L"Plate");
        static_cast<CComboBox*>(GetDlgItem(kKindCombo))->AddString(L"Angle");
        static_cast<CComboBox*>(GetDlgItem(kKindCombo))->SetCurSel(1);
        static_cast<CButton*>(GetDlgItem(kBoltsCheck))->SetCheck(BST_CHECKED);
        SetDlgItemText(kNameEdit, L"BasePlate");
        SetDlgItemText(kPassword, L"abc");
        GetDlgItem(kHiddenNote)->ShowWindow(SW_HIDE);
        GetDlgItem(IDCANCEL)->EnableWindow(FALSE);
        return TRUE;
    }
    BOOL OnEraseBkgnd(CDC* dc) override {
        CDC memory;
        memory.CreateCompatibleDC(dc);
        memory.SelectObject(&background);
        dc->BitBlt(0, 0, 4, 4, &memory, 0, 0, SRCCOPY);
        return TRUE;
    }
    void OnPaint() override {
        CPaintDC dc(this);
        dc.SetTextColor(RGB(0, 0, 255));
        dc.TextOut(250, 5, L"painted");
    }
    HBRUSH OnCtlColor(CDC* dc, CWnd* wnd, UINT ctlColor) override {
        if (ctlColor == CTLCOLOR_STATIC && wnd->GetDlgCtrlID() == kLabel) {
            dc->SetBkMode(TRANSPARENT);
            dc->SetTextColor(RGB(0, 128, 0));
            return static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
        }
        return CDialog::OnCtlColor(dc, wnd, ctlColor);
    }
    CBitmap background;
};

// The <g> elements of the picture as a tree, with their attributes.
struct Group {
    std::map<std::string, std::string> attributes;
    std::vector<std::unique_ptr<Group>> children;
    std::string body;  // the text between this group's tags, children included

    const Group* window(int id) const {
        for (const auto& child : children) {
            if (child->attributes.count("data-id") &&
                child->attributes.at("data-id") == std::to_string(id) &&
                child->attributes.at("class") == "window") {
                return child.get();
            }
            if (const Group* found = child->window(id))
                return found;
        }
        return nullptr;
    }
    const Group* client() const {
        for (const auto& child : children) {
            if (child->attributes["class"] == "client")
                return child.get();
        }
        return nullptr;
    }
};

std::unique_ptr<Group> parseGroups(const std::string& svg) {
    auto root = std::make_unique<Group>();
    std::vector<std::pair<Group*, size_t>> stack = {{root.get(), 0}};
    const std::regex tag(R"(<(/?)g((?:\s+[\w:-]+="[^"]*")*)\s*>)");
    const std::regex attribute(R"re(([\w:-]+)="([^"]*)")re");
    for (auto it = std::sregex_iterator(svg.begin(), svg.end(), tag); it != std::sregex_iterator();
         ++it) {
        const std::smatch& m = *it;
        if (m[1] == "/") {
            stack.back().first->body = svg.substr(
                stack.back().second, static_cast<size_t>(m.position(0)) - stack.back().second);
            stack.pop_back();
            continue;
        }
        auto group = std::make_unique<Group>();
        const std::string attributes = m[2];
        for (auto a = std::sregex_iterator(attributes.begin(), attributes.end(), attribute);
             a != std::sregex_iterator(); ++a) {
            group->attributes[(*a)[1]] = (*a)[2];
        }
        Group* raw = group.get();
        stack.back().first->children.push_back(std::move(group));
        stack.emplace_back(raw, static_cast<size_t>(m.position(0) + m.length(0)));
    }
    return root;
}

class SvgRendererTest : public testing::Test {
  protected:
    void SetUp() override {
        registerSample();
        ASSERT_TRUE(dialog.Create(kTemplate));
        svg = render::renderWindowSvg(dialog.GetSafeHwnd());
        tree = parseGroups(svg);
    }
    void TearDown() override { dialog.DestroyWindow(); }

    SampleDialog dialog;
    std::string svg;
    std::unique_ptr<Group> tree;
};

TEST_F(SvgRendererTest, TheDialogIsTheRootWithItsCaptionEscaped) {
    ASSERT_EQ(svg.rfind("<?xml", 0), 0u);
    ASSERT_EQ(tree->children.size(), 1u);
    const Group& root = *tree->children[0];
    EXPECT_EQ(root.attributes.at("data-class"), "#32770");
    EXPECT_EQ(root.attributes.at("data-text"), "Sample &amp; &lt;test&gt;");
    EXPECT_EQ(root.attributes.at("data-hidden"), "true") << "a modeless dialog not yet shown";
    EXPECT_NE(svg.find("class=\"caption\""), std::string::npos);
    ASSERT_NE(root.client(), nullptr);
}

TEST_F(SvgRendererTest, ControlsAreNestedInTheClientAreaWithTheirState) {
    const Group* client = tree->children[0]->client();
    ASSERT_NE(client, nullptr);
    struct Case {
        int id;
        const char* className;
        const char* text;
    };
    const Case cases[] = {
        {kLabel, "STATIC", "&amp;Name"},  {kNameEdit, "EDIT", "BasePlate"},
        {kBoltsCheck, "BUTTON", "Bolts"}, {kKindCombo, "COMBOBOX", "Angle"},
        {kGroup, "BUTTON", "Frame"},      {IDOK, "BUTTON", "OK"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.id);
        const Group* control = client->window(c.id);
        ASSERT_NE(control, nullptr);
        EXPECT_EQ(control->attributes.at("data-class"), c.className);
        EXPECT_EQ(control->attributes.at("data-text"), c.text);
    }
    EXPECT_EQ(client->window(kBoltsCheck)->attributes.at("data-checked"), "1");
    EXPECT_EQ(client->window(kKindCombo)->attributes.at("data-selected"), "1");
    EXPECT_NE(client->window(kKindCombo)->body.find(">Angle</text>"), std::string::npos);
    EXPECT_NE(client->window(kNameEdit)->body.find(">BasePlate</text>"), std::string::npos);
    EXPECT_NE(client->window(kPassword)->body.find(">***</text>"), std::string::npos);
    EXPECT_EQ(client->window(kPassword)->body.find("abc"), std::string::npos);
    EXPECT_EQ(client->window(IDCANCEL)->attributes.at("data-disabled"), "true");
    EXPECT_EQ(client->window(kHiddenNote), nullptr) << "hidden controls are not drawn";
    EXPECT_EQ(svg.find("Secret note"), std::string::npos);
}

TEST_F(SvgRendererTest, ParentColoursCustomPaintingAndPicturesAppear) {
    const Group* client = tree->children[0]->client();
    const Group* label = client->window(kLabel);
    ASSERT_NE(label, nullptr);
    EXPECT_NE(label->body.find("fill=\"#008000\""), std::string::npos)
        << "the parent's text colour";
    EXPECT_EQ(label->body.find("<rect"), std::string::npos) << "a hollow brush: no background";
    EXPECT_NE(label->body.find(">Name</text>"), std::string::npos)
        << "the mnemonic mark is not shown";

    const std::string ownPaint = client->body.substr(0, client->body.find("<g"));
    EXPECT_NE(ownPaint.find("data:image/png;base64,"), std::string::npos)
        << "the erased background";
    EXPECT_NE(ownPaint.find(">painted</text>"), std::string::npos) << "the paint handler's text";
}

TEST_F(SvgRendererTest, RegisteredPaintersDrawTheirClass) {
    const Group* sheet = tree->children[0]->client()->window(kSheet);
    ASSERT_NE(sheet, nullptr);
    EXPECT_EQ(sheet->attributes.at("data-class"), "fpUSpread70");
    EXPECT_NE(sheet->body.find(">R1C1</text>"), std::string::npos);
    EXPECT_FALSE(render::registerClassPainter(L"", [](CWnd&, CDC&) {}));
}

TEST_F(SvgRendererTest, UnknownWindowsGiveNothingAndFilesAreWritten) {
    EXPECT_TRUE(render::renderWindowSvg(nullptr).empty());
    testsupport::TempDir dir;
    const Tvx_String path((dir.path() / "sample.svg").wstring());
    ASSERT_TRUE(render::saveWindowSvg(dialog.GetSafeHwnd(), path));
    EXPECT_EQ(dir.read("sample.svg"), render::renderWindowSvg(dialog.GetSafeHwnd()));
    EXPECT_FALSE(render::saveWindowSvg(nullptr, path));
}

}  // namespace
