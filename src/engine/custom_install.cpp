#include "engine/custom_install.h"

#include "base/exceptions.h"
#include "component/class_registry.h"
#include "engine/engine_errors.h"
#include "objects/main_archive_file.h"
#include "objects/objects_module.h"
#include "objects/specifier_access.h"
#include "paths/folder_specifiers.h"
#include "paths/path_specifier_list.h"
#include "paths/unique_component_name.h"
#include "widgets/application.h"

namespace vorlan {

namespace {
constexpr int kThemeWidth = 117;
constexpr int kThemeHeight = 290;

TCustomPathSpecifier* StandardProgramFiles() {
  TStandardPathSpecList* list = FindStandardPathSpecifiers();
  return list ? list->FindInstanceOf(TpsProgramFiles::StaticClassInfo()) : nullptr;
}

bool OwnsA(const TComponent& owner, const TClassInfo& info) {
  for (int i = 0; i < owner.ComponentCount(); ++i) {
    if (owner.Components(i)->ClassInfo().InheritsFrom(info)) return true;
  }
  return false;
}
}  // namespace

const TEnumInfo& DistributeTypeInfo() {
  static const TEnumInfo info("TDistributeType", {"dtTraditional", "dtWeb", "dtTraditionalNet"});
  return info;
}

TCustomInstall::TCustomInstall(TComponent* owner)
    : TFileContainer(owner, type_code::kFileContainer, false),
      record_(kInstallRecordRoot, kInstallRecordMakerKey, ObjectsState().install_record_key,
              ObjectsState().install_start_time) {
  SetInstallTypes(SetBit(itFull));
  if (TheInstall()) throw IEInstall(engine_error::kSecondEngine);
  if (!owner || !owner->IsForm()) throw IEInstall(engine_error::kOwnerNotForm);
  dialog_theme_bitmap_.LoadFromResource("INSTALLTHEME1");
  dialog_theme_bitmap_.SetWidth(kThemeWidth);
  dialog_theme_bitmap_.SetHeight(kThemeHeight);
  AssignArchiveFileType(StandardSpecifier<TpsMainArchiveFile>());
  SetArchiveFile("");
  AssignDestDirType(StandardProgramFiles());
  MarkDestDirTypeByConstructor();
  SetDestDir("\\MyApplication");
  SetDescription("TInstall component");
  // The run sequence fires OnAfterInstallObjects once, after the last pass.
  SetFireAfterInstallObjects(false);
  SetTheInstall(this);
  if (Designing()) {
    CreateAuthoringTranslator();
  } else if (TApplication* application = Application()) {
    application->OnException().Assign(
        [this](TObject* sender, const std::exception& error) { HandleException(sender, error); });
    handles_exceptions_ = true;
  }
}

TCustomInstall::~TCustomInstall() {
  UnhookMainForm();
  if (TheInstall() == this) SetTheInstall(nullptr);
  if (handles_exceptions_) {
    if (TApplication* application = Application()) application->OnException().Clear();
  }
  run_.StartCleanupBatch();
}

// An engine newly added to a form brings the translator its texts need;
// the translation module registers the class.
void TCustomInstall::CreateAuthoringTranslator() {
  const TClassInfo* translator = Classes().Find("TTranslator");
  if (!translator || OwnsA(*Owner(), *translator)) return;
  authoring_translator_ = translator->Create(Owner());
  MakeUniqueComponentName(*authoring_translator_, "MainTranslator");
  authoring_translator_->FreeNotification(this);
}

void TCustomInstall::SetAutoMaximizeWindow(bool value) {
  auto_maximize_window_ = value;
  if (value && !Loading()) hide_main_form_ = false;
}

void TCustomInstall::SetHideMainForm(bool value) {
  hide_main_form_ = value;
  if (value && !Loading()) auto_maximize_window_ = false;
}

void TCustomInstall::SetUseLoadingProgram(bool value) {
  use_loading_program_ = value;
  if (!value || Loading()) return;
  AssignArchiveFileType(StandardSpecifier<TpsMainArchiveFile>());
  SetArchiveFile("");
}

void TCustomInstall::SetDistributeType(TDistributeType value) {
  if (!Loading()) {
    if (!Designing()) throw IEInstall(engine_error::kDistributeTypeAtDesignTime);
    if (value != dtTraditional && !NetLocation()) throw IEInstallNetLocNil(engine_error::kNetLocationNeeded);
  }
  distribute_type_ = value;
}

void TCustomInstall::SetNetLocation(TCustomNetInstallLocation* value) {
  TFileContainer::SetNetLocation(value);
  if (!value) distribute_type_ = dtTraditional;
}

void TCustomInstall::SetPresetupFiles(const TStringList& value) {
  presetup_files_.clear();
  for (const std::string& line : value) {
    if (!Trim(line).empty()) presetup_files_.push_back(line);
  }
}

bool TCustomInstall::SelfExtracting(std::string& executable) const {
  if (!HasSwitch(swSelfExtract)) return false;
  executable = SwitchText(swSelfExtract);
  return true;
}

void TCustomInstall::Loaded() {
  TFileContainer::Loaded();
  if (!Designing()) {
    ParseCommandLine();
    if (HasSwitch(swDebug) && (!HasSwitch(swSource) || Trim(SwitchText(swSource)).empty())) {
      throw IEInstall(engine_error::kNoBuildDirectory);
    }
  }
  loading_program_dir_ = HasSwitch(swSource) ? SwitchText(swSource) : GetProgramDirectory();
  OpenInstallRecord(false);
  std::string local;
  if (FindLocalArchive(local)) SetLocalArchivePath(local);
  TApplication* application = Application();
  if (application && application->MainForm()) {
    main_form_ = application->MainForm();
  } else if (Owner() && Owner()->IsForm()) {
    main_form_ = Owner();
  }
  if (main_form_ && main_form_ != Owner()) main_form_->FreeNotification(this);
  if (!main_form_ && RunAutomatic()) throw IEInstall(engine_error::kNoMainForm);
  ChooseInstallType();
  SelectRunMode();
}

void TCustomInstall::ChooseInstallType() {
  SetInstallType(itFull);
  if (InSet(InstallTypes(), itDefault)) {
    SetInstallType(itDefault);
  } else if (InSet(InstallTypes(), itCompact)) {
    SetInstallType(itCompact);
  } else if (InSet(InstallTypes(), itFull)) {
    SetInstallType(itFull);
  }
}

void TCustomInstall::SelectRunMode() {
  if (Designing()) {
    delete authoring_translator_;
    authoring_translator_ = nullptr;
  } else if (HasSwitch(swBuild)) {
    BuildFromCommandLine();
  } else if (HasSwitch(swFloppy)) {
    TransferToFloppies("a:");
  } else if (HasSwitch(swReboot)) {
    ResumeUnfinished();
  } else if (TMainForm* form = ApplicationForm()) {
    HookMainForm(*form);
    if (HideMainForm()) form->SetBounds(-2 * form->Width(), -2 * form->Height(), form->Width(), form->Height());
  }
}

TMainForm* TCustomInstall::ApplicationForm() const { return dynamic_cast<TMainForm*>(main_form_); }

void TCustomInstall::HookMainForm(TMainForm& form) {
  saved_on_activate_ = form.OnActivate();
  form.OnActivate().Assign([this](TObject* sender) { FormActivated(sender); });
  hooked_form_ = &form;
}

// The form keeps no callback into an engine that is gone, even when it had
// none of its own before.
void TCustomInstall::UnhookMainForm() {
  if (!hooked_form_ || hooked_form_->Destroying() || Designing()) return;
  hooked_form_->OnActivate() = saved_on_activate_;
  hooked_form_ = nullptr;
}

void TCustomInstall::FormActivated(TObject* /*sender*/) {
  if (activated_) return;
  if (saved_on_activate_) saved_on_activate_(Owner());
  activated_ = true;
  TMainForm* form = ApplicationForm();
  if (AutoMaximizeWindow() && form) {
    form->SetWindowState(wsMaximized);
    form->Repaint();
  }
  if (!RunAutomatic()) return;
  if (form && !Owner()->Destroying() && saved_on_activate_) UnhookMainForm();
  Process();
}

void TCustomInstall::Notification(TComponent* component, TOperation operation) {
  TFileContainer::Notification(component, operation);
  if (operation != TOperation::opRemove || !component) return;
  if (!NetLocation()) distribute_type_ = dtTraditional;
  if (component == main_form_) main_form_ = nullptr;
  if (component == hooked_form_) hooked_form_ = nullptr;
  if (component == authoring_translator_) authoring_translator_ = nullptr;
  win2k_extended_information_.Removed(component);
}

const TClassInfo& TCustomInstall::StaticClassInfo() {
  static const TClassInfo info = TClassInfo::Define<TCustomInstall, TFileContainer>("TCustomInstall");
  return info;
}

}  // namespace vorlan
