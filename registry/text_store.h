#pragma once
// A registry of our own kept as one text (text_format.h) in a slot (text_slot.h), for the web
// page, which has neither a registry nor files. The keys and values live in memory and answer
// the registry calls with the registry's status codes, as the SQLite store answers them; the
// slot is read when the store is made, and read and written again only by Save().
//
// Another page of the same site may save between two saves of this one. Save() therefore
// writes the slot's latest text with this store's own changes since its last save (keys made,
// values set) laid over it, so that neither page's settings are lost.
//
// The store never stops the program. A text that is not this store's is left as it is, and the
// store answers as an empty registry that may not be written (5). A slot that cannot be read or
// written leaves the store working in memory: what cannot be saved is kept for the next Save().
// The first of these problems is told, in one line; later ones are not.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "registry/key_handles.h"
#include "registry/registry_api.h"
#include "registry/text_format.h"
#include "registry/text_slot.h"

namespace quellar::registry {

struct TextStoreOptions {
  // Receives at most one line: the slot's name and what went wrong with it.
  std::function<void(const std::string&)> report;
};

class TextStore final : public RegistryApi {
 public:
  using Options = TextStoreOptions;

  explicit TextStore(std::unique_ptr<TextSlot> slot, Options options = {});

  std::int32_t CreateKey(HKey root, const std::string& subKey, std::uint32_t options,
                         std::uint32_t access, HKey& result) override;
  std::int32_t OpenKey(HKey root, const std::string& subKey, std::uint32_t options,
                       std::uint32_t access, HKey& result) override;
  std::int32_t SetValue(HKey key, const std::string& name, std::uint32_t type,
                        const std::uint8_t* data, std::uint32_t size) override;
  std::int32_t QueryValue(HKey key, const std::string& name, std::uint32_t& type,
                          std::uint8_t* data, std::uint32_t& size) override;
  std::int32_t CloseKey(HKey key) override;
  // A page has no files.
  bool FindOrdinaryFile(const std::string& pattern) override;

  // Writes this store's changes since its last save over the slot's latest text; the store
  // then holds what was written. Called when a run ends and when the page is hidden or closed.
  void Save();

 private:
  void Report(const std::string& what);
  enum class MissingKey { kCreate, kFail };
  // CreateKey and OpenKey: a handle to `subKey` below `root`, which a missing key gets only
  // where it is created.
  std::int32_t OpenHandle(HKey root, const std::string& subKey, std::uint32_t access, HKey& result,
                          MissingKey missing);
  bool KeyExists(const std::string& path) const;
  const RegistryValue* Find(const std::string& path, const std::string& name) const;

  std::unique_ptr<TextSlot> slot_;
  std::function<void(const std::string&)> report_;
  bool reported_ = false;
  bool writable_ = true;  // false for a text that is not this store's
  RegistryKeys keys_;
  RegistryKeys changes_;  // since the last save
  KeyHandles openKeys_;
};

}  // namespace quellar::registry
