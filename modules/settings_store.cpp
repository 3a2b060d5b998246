#include "modules/settings_store.h"

namespace setrix {

bool MemorySettingsStore::OpenKey(std::string_view path) {
  current_ = nullptr;
  if (failOpen_) return false;
  current_ = &KeyAt(path);
  return true;
}

void MemorySettingsStore::CloseKey() { current_ = nullptr; }

bool MemorySettingsStore::HasValue(std::string_view name) const {
  return current_ && current_->find(name) != current_->end();
}

std::optional<std::int32_t> MemorySettingsStore::ReadInteger(std::string_view name) const {
  if (!current_) return std::nullopt;
  auto it = current_->find(name);
  if (it == current_->end()) return std::nullopt;
  if (const auto* v = std::get_if<std::int32_t>(&it->second)) return *v;
  return std::nullopt;
}

std::optional<std::string> MemorySettingsStore::ReadString(std::string_view name) const {
  if (!current_) return std::nullopt;
  auto it = current_->find(name);
  if (it == current_->end()) return std::nullopt;
  if (const auto* v = std::get_if<std::string>(&it->second)) return *v;
  return std::nullopt;
}

void MemorySettingsStore::WriteInteger(std::string_view name, std::int32_t value) {
  if (current_) (*current_)[std::string(name)] = value;
}

void MemorySettingsStore::WriteString(std::string_view name, std::string_view value) {
  if (current_) (*current_)[std::string(name)] = std::string(value);
}

MemorySettingsStore::Key& MemorySettingsStore::KeyAt(std::string_view path) {
  auto it = keys_.find(path);
  if (it == keys_.end()) it = keys_.emplace(std::string(path), Key{}).first;
  return it->second;
}

bool MemorySettingsStore::HasKey(std::string_view path) const { return keys_.find(path) != keys_.end(); }

void MemorySettingsStore::RemoveValue(std::string_view path, std::string_view name) {
  auto it = keys_.find(path);
  if (it == keys_.end()) return;
  auto v = it->second.find(name);
  if (v != it->second.end()) it->second.erase(v);
}

}  // namespace setrix
