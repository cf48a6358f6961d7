// Program Manager DDE client: connect, execute commands, tear down.
#include "toolkit/progman_dde.h"

#include <cstring>

#include "text/byte_scan.h"

ProgmanDdeState g_Progman = {0, nullptr};

namespace {

// Length of a template once its %s places hold the fillers.
size_t FilledLength(const char *format, const char *const *fillers, int count) {
  size_t length = std::strlen(format) - 2 * static_cast<size_t>(count);
  for (int i = 0; i < count; ++i) length += std::strlen(fillers[i]);
  return length;
}

// A command is sent only when it fits the buffer and every filler stays
// inside its quotes: a '"' would end the quoted argument and a '[' or ']'
// begin or end a command, so that a name could smuggle in a command of its
// own (DeleteGroup, for one); a filler that ends with an unfinished
// double-byte character would take the closing quote as its trail. (The
// server makes each group a folder and each item a shortcut in it, so the
// names must not reach out of their folder either: IsEntryName.)
bool IsSafeCommand(const char *format, const char *const *fillers, int count) {
  for (int i = 0; i < count; ++i)
    if (HasCharOf(fillers[i], PROGMAN_FORBIDDEN_CHARS, GetACP())) return false;
  return FilledLength(format, fillers, count) < static_cast<size_t>(PROGMAN_COMMAND_SIZE);
}

// One synchronous execute transaction on the stored conversation.
bool ExecuteCommand(const char *command) {
  const DWORD length = static_cast<DWORD>(std::strlen(command)) + 1;
  HDDEDATA result = DdeClientTransaction(
      reinterpret_cast<BYTE *>(const_cast<char *>(command)), length, g_Progman.conversation,
      nullptr, CF_TEXT, XTYP_EXECUTE, PROGMAN_TIMEOUT_MS, nullptr);
  return result != nullptr;
}

// Steps 1 to 4: instance, name handle, conversation. False only when the
// instance could not be opened; the name handle may be null afterwards.
bool OpenProgmanConversation(HSZ *name) {
  g_Progman.instance = 0;
  g_Progman.conversation = nullptr;
  *name = nullptr;
  if (DdeInitializeA(&g_Progman.instance, ProgmanDdeCallback, APPCMD_CLIENTONLY, 0) !=
      DMLERR_NO_ERROR)
    return false;
  *name = DdeCreateStringHandleA(g_Progman.instance, PROGMAN_SERVICE, PROGMAN_CODE_PAGE);
  if (*name) g_Progman.conversation = DdeConnect(g_Progman.instance, *name, *name, nullptr);
  return true;
}

void CloseProgmanConversation(HSZ name, HWND window) {
  DdeGetLastError(g_Progman.instance);  // resets the instance's error code
  if (g_Progman.conversation) DdeDisconnect(g_Progman.conversation);
  if (name) DdeFreeStringHandle(g_Progman.instance, name);
  DdeUninitialize(g_Progman.instance);
  SetFocus(window);
}

}  // namespace

const char *ProgmanItemCommandLine(const char *itemCommandLine) {
  const char first = itemCommandLine[0];
  return first >= '0' && first <= '9' ? itemCommandLine + 1 : itemCommandLine;
}

HDDEDATA CALLBACK ProgmanDdeCallback(UINT type, UINT format, HCONV conversation, HSZ string1,
                                     HSZ string2, HDDEDATA data, ULONG_PTR data1, ULONG_PTR data2) {
  return nullptr;
}

int CreateProgmanGroup(HWND window, const char *groupName, const char *groupPath,
                       const char *itemName, const char *itemCommandLine, DWORD sixthValue) {
  const char *commandLine = ProgmanItemCommandLine(itemCommandLine);
  const char *const groupFillers[] = {groupName, groupPath, groupName};
  const char *const itemFillers[] = {commandLine, itemName};
  if (!IsEntryName(groupName, GetACP()) || !IsEntryName(itemName, GetACP()) ||
      !IsSafeCommand(PROGMAN_GROUP_COMMAND, groupFillers, 3) ||
      !IsSafeCommand(PROGMAN_ITEM_COMMAND, itemFillers, 2))
    return 0;

  HSZ name;
  if (!OpenProgmanConversation(&name)) return 0;
  int result = 0;
  char command[PROGMAN_COMMAND_SIZE];
  if (g_Progman.conversation) {
    wsprintfA(command, PROGMAN_GROUP_COMMAND, groupName, groupPath, groupName);
    if (ExecuteCommand(command)) {
      wsprintfA(command, PROGMAN_ITEM_COMMAND, commandLine, itemName);
      if (ExecuteCommand(command)) {
        std::memcpy(command, PROGMAN_EXIT_COMMAND, sizeof PROGMAN_EXIT_COMMAND);
        if (ExecuteCommand(command)) result = 1;
      }
    }
  }
  CloseProgmanConversation(name, window);
  return result;
}

int DeleteProgmanItem(HWND window, const char *groupName, const char *itemName) {
  const char *const fillers[] = {groupName, itemName};
  if (!IsEntryName(groupName, GetACP()) || !IsEntryName(itemName, GetACP()) ||
      !IsSafeCommand(PROGMAN_DELETE_COMMAND, fillers, 2))
    return 0;

  HSZ name;
  if (!OpenProgmanConversation(&name)) return 0;
  int result = 0;
  char command[PROGMAN_COMMAND_SIZE];
  if (g_Progman.conversation) {
    wsprintfA(command, PROGMAN_DELETE_COMMAND, groupName, itemName);
    if (ExecuteCommand(command)) result = 1;
  }
  CloseProgmanConversation(name, window);
  return result;
}
