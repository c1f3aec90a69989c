#pragma once
// The path specifiers install objects take by default: the standard
// instances that EnsurePathSpecifiers put on the form.

namespace vorlan {

class TComponent;
class TCustomPathSpecifier;

// Every registered specifier class on owner, when it is a form.
void EnsureFormSpecifiers(TComponent* owner);

TCustomPathSpecifier* StandardContainerDestDir();
TCustomPathSpecifier* StandardContainerArchiveFile();
TCustomPathSpecifier* StandardMainArchiveFile();

bool IsContainerDestDir(const TCustomPathSpecifier* specifier);
bool IsContainerArchiveFile(const TCustomPathSpecifier* specifier);
bool IsMainArchiveFile(const TCustomPathSpecifier* specifier);
bool IsInstallSource(const TCustomPathSpecifier* specifier);

}  // namespace vorlan
