#include "engine/translator_language.h"

#include <cstdint>

#include "component/class_info.h"
#include "component/class_registry.h"

namespace vorlan {

namespace {
constexpr const char* kLanguageProperty = "TranslateIntoLanguage";

const TPropertyInfo* LanguageProperty(const TComponent& translator) {
  const TPropertyInfo* property = translator.ClassInfo().FindProperty(kLanguageProperty);
  return property && property->kind == TPropertyKind::Enumeration ? property : nullptr;
}
}  // namespace

TComponent* FindTranslator(const TComponent* owner) {
  const TClassInfo* translator = Classes().Find("TTranslator");
  if (!owner || !translator) return nullptr;
  for (int i = 0; i < owner->ComponentCount(); ++i) {
    TComponent* component = owner->Components(i);
    if (component->ClassInfo().InheritsFrom(*translator)) return component;
  }
  return nullptr;
}

int TranslateIntoLanguage(const TComponent& translator) {
  const TPropertyInfo* property = LanguageProperty(translator);
  if (!property || !property->get) return kUserLanguage;
  return static_cast<int>(std::get<int64_t>(property->get(translator)));
}

// A position outside the language list (a record from another version or
// a damaged one) leaves the language as it is.
void SetTranslateIntoLanguage(TComponent& translator, int language) {
  const TPropertyInfo* property = LanguageProperty(translator);
  if (!property || !property->set || !property->enum_info) return;
  if (language < 0 || static_cast<size_t>(language) >= property->enum_info->Values().size()) return;
  property->set(translator, TValue(static_cast<int64_t>(language)));
}

}  // namespace vorlan
