#pragma once
// The engine's own message texts.

namespace vorlan::engine_error {

inline constexpr const char* kSecondEngine =
    "The TInstall component does not currently support the use of 2 TInstall components in the same project";
inline constexpr const char* kOwnerNotForm = "The owner of a TInstall component must be a form class";
inline constexpr const char* kNoBuildDirectory =
    "You forgot to pass in the build directory. In Run | Parameters, follow this format: -d \"-sC:\\My Build\"";
inline constexpr const char* kNoMainForm =
    "Application.MainForm is undefined and the TInstall is not on a form. Therefore, therefore the TInstall can't "
    "run the installation automatically";
inline constexpr const char* kInvalidParameter =
    "Invalid parameter <%s>. Valid command line parameters are: -b (Build), -d (Debug), -f (Transfer to floppies), "
    "-e (Called by self-extractor), -r (After reboot)";
inline constexpr const char* kDistributeTypeAtDesignTime = "DistributeType can only be set at design-time";
inline constexpr const char* kNetLocationNeeded =
    "Must assign a net location via the NetLocation property before you can set the distribute type";
inline constexpr const char* kNoUnfinishedList =
    "The TInstall could not either write or read unfinished business from the registry";
inline constexpr const char* kRunOnceNotWritten =
    "Cannot register the install to be run on reboot in the RunOnce key in the registry";
inline constexpr const char* kInvalidUnfinishedEntry = "There is an invalid entry for the unfinished install list %s";

// Build mode, the self-extracting setup and the floppy transfer.
inline constexpr const char* kNoBuildInf =
    "Need to have a BUILD.INF file in this directory with the first line specifying the build directory";
inline constexpr const char* kBuildInfEmpty =
    "Must be 1 line in BUILD.INF. This line should specify the build directory";
inline constexpr const char* kStandAloneNeedsLoader =
    "Cannot build a stand alone executable if the UseLoadingProgram property of the TInstall is set to False";
inline constexpr const char* kSetupArchiveDiskFull =
    "The disk that you have specified has been determined to be either too full or is corrupt while trying to "
    "copy the SETUP.1 archive file. You should probably clear all files off of the drive. Minimally, you should "
    "leave enough space on the drive for the SETUP.1 archive file.";
inline constexpr const char* kNoFrameworkDirectory =
    "The HKEY_LOCAL_MACHINE | %s key in the registry is either missing or points to an invalid Kavix directory";
inline constexpr const char* kFrameworkKey = "\\Software\\Tevrin\\Q32V52";
inline constexpr const char* kLoaderMissing = "The loader program %s was not found";
inline constexpr const char* kLoaderNotCopied = "Cannot copy the loading program from %s to %s";
inline constexpr const char* kProgramNotCopied = "Cannot copy the installation application from %s to %s";
inline constexpr const char* kExecutableBlank = "Cannot create setup file. Executable is blank";
inline constexpr const char* kExecutableMissing = "TInstall: Cannot find the executable file %s";
inline constexpr const char* kArchiveNotEmbedded =
    "Cannot create the self-extracting exe because %s could not be loaded onto %s";
inline constexpr const char* kSelfExtractInfoNotAdded = "Cannot add the self-extract info header to %s";
inline constexpr const char* kFloppyNeedsSelfExtract =
    "Sorry... You can only transfer this installation to floppies through the self-extracting file. Usage "
    "example: setup.exe *TODISK";
inline constexpr const char* kNotSelfExtracting =
    "Cannot transfer %s to floppies: it is not a self-extracting setup executable";
inline constexpr const char* kTransferring = "Transferring this installation to floppies. Please wait...";
inline constexpr const char* kFloppySetupExe = "Cannot create setup.exe on the A drive. Probably not enough room";
inline constexpr const char* kFloppySetupArchive = "Cannot create setup.1 on the A drive. Probably not enough room";
inline constexpr const char* kInsertDisk = "Please insert disk %d";
inline constexpr const char* kAbortedByUser = "Aborted by user";

// The run sequence.
inline constexpr const char* kLoadingProgramPathMissing =
    "The path of the loading program was not passed correctly. If you are running your install project in the IDE, "
    "then you need to add two command line parameters. In Run | Parameters | \"Run Parameters\", type in: -d "
    "\"-sBUILDPATH\" where BUILDPATH is the path into which you built the distributables. Example: -d "
    "\"-sC:\\My Build\".";
inline constexpr const char* kRemoteListUnreadable = "Cannot read the remote list of files: %s";
inline constexpr const char* kReadingFileInformation = "Reading file information...";

}  // namespace vorlan::engine_error
