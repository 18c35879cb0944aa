#include "icons/folder_picker.h"

#include "os/file_system.h"
#include "os/shell.h"
#include "page/page_context.h"

namespace icons {
namespace {

constexpr const char* kNewFolder = "ChildNode1";

// A drive itself is neither removed nor renamed from here.
bool IsDriveRoot(const std::string& path) {
  return path.size() == 3 && path[1] == ':' && path[2] == '\\';
}

}  // namespace

TForm15::TForm15(page::PageContext& main, std::string& chosenFolder)
    : main_(main),
      chosenFolder_(chosenFolder),
      form_(main.Backend(), &main.OwnerForm()),
      menu_(main.Backend()) {
  form_.SetName("TForm15");
  form_.SetCaption("Ordner bestimmen");
  form_.SetBorder(ui::FormBorder::Dialog);
  form_.SetPosition(ui::FormPosition::MainFormCenter);
  form_.SetClientSize(300, 362);
  form_.SetFont(main.UserFont);

  Label1 = form_.Add<ui::Label>();
  Label1->SetName("Label1");
  Label1->SetCaption("Ordner bestimmen");
  Label1->SetBounds({8, 8, 0, 13});

  TreeView1 = form_.Add<ui::TreeView>();
  TreeView1->SetName("TreeView1");
  TreeView1->SetBounds({8, 26, 284, 294});
  TreeView1->SetHideSelection(false);
  // Captions can be edited, but only a new folder's node allows it.
  TreeView1->SetReadOnly(false);
  TreeView1->OnChange = [this](ui::TreeView&, ui::TreeNode* node) { TreeView1Change(node); };
  TreeView1->OnEdited = [this](ui::TreeView&, ui::TreeNode* node, std::string& text) {
    TreeView1Edited(node, text);
  };
  TreeView1->OnEditCancelled = [this](ui::TreeView&, ui::TreeNode* node) { Reread(node); };
  menu_.Items().Add("Übernehmen", [this](ui::MenuItem&) { BitBtn1Click(); });
  menu_.Items().Add("Abbrechen", [this](ui::MenuItem&) { form_.Close(); });
  menu_.Items().Add("Ordner löschen", [this](ui::MenuItem&) { Ordnerlschen1Click(); });
  menu_.Items().Add("Neuer Ordner", [this](ui::MenuItem&) { NeuerOrdner1Click(); });
  TreeView1->SetPopupMenu(&menu_);

  BitBtn1 = form_.Add<ui::Button>();
  BitBtn1->SetName("BitBtn1");
  BitBtn1->SetCaption("&Weiter");
  BitBtn1->SetBounds({88, 330, 100, 25});
  BitBtn1->SetDefault(true);
  BitBtn1->OnClick = [this](ui::Control&) { BitBtn1Click(); };
  BitBtn2 = form_.Add<ui::Button>();
  BitBtn2->SetName("BitBtn2");
  BitBtn2->SetCaption("&Abbrechen");
  BitBtn2->SetBounds({192, 330, 100, 25});
  BitBtn2->SetCancel(true);
  BitBtn2->OnClick = [this](ui::Control&) { form_.Close(); };

  tree_ = std::make_unique<FolderTree>(main_, *TreeView1);
}

void TForm15::TreeView1Change(ui::TreeNode* node) {
  folder_ = tree_ ? tree_->PathOf(node) : std::string();
}

void TForm15::BitBtn1Click() {
  // PathOf gives a drive in its ":\" form already.
  chosenFolder_ = folder_;
  form_.Close();
}

void TForm15::NeuerOrdner1Click() {
  ui::TreeNode* parent = TreeView1->Selected();
  if (!parent || tree_->PathOf(parent).empty()) return;
  // The level is read first, so the new node is not taken for its contents.
  parent->Expand();
  ui::TreeNode* node = TreeView1->Add(parent, kNewFolder);
  node->SetEditable(true);
  parent->Expand();
  TreeView1->EditCaption(node);
}

void TForm15::TreeView1Edited(ui::TreeNode* node, const std::string& caption) {
  const std::string parent = tree_->PathOf(node->Parent());
  // A failure shows in the re-read level: the folder is not there.
  if (!parent.empty() && !caption.empty()) {
    main_.services.files.MakeDirectory(InFolder(parent, caption));
  }
  Reread(node);
}

void TForm15::Ordnerlschen1Click() {
  ui::TreeNode* node = TreeView1->Selected();
  const std::string path = tree_->PathOf(node);
  if (path.empty() || IsDriveRoot(path)) return;
  // The shell asks the user and reports its own failures.
  main_.services.shell.RecycleFiles({path});
  Reread(node);
}

void TForm15::Reread(ui::TreeNode* node) {
  ui::TreeNode* parent = node ? node->Parent() : nullptr;
  if (!parent) return;
  parent->Collapse();
  TreeView1->SetSelected(parent);
}

}  // namespace icons
