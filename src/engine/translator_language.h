#pragma once
// The target language of the translator on the engine's form. The
// translation module is built above the engine, so its class is found by
// name and its property through the class info.

#include "component/component.h"

namespace vorlan {

// vlUser: the language of the user's Windows locale, the translator's
// default and the answer when there is no translator.
inline constexpr int kUserLanguage = 20;

// The first component owned by owner whose class is a TTranslator; none
// while no such class is registered.
TComponent* FindTranslator(const TComponent* owner);
// Its TranslateIntoLanguage, as the position in the language list.
int TranslateIntoLanguage(const TComponent& translator);
// A position outside the list changes nothing.
void SetTranslateIntoLanguage(TComponent& translator, int language);

}  // namespace vorlan
