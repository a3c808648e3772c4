#include "constant_table_block.h"

#include <cstring>
#include <string>

namespace {

const char* const Creator = "shader_assembler";

// Offsets count from the start of the table, just after the CTAB tag.
struct ConstantTableHeader {
  std::uint32_t size;
  std::uint32_t creatorOffset;
  std::uint32_t version;
  std::uint32_t constantCount;
  std::uint32_t constantInfoOffset;
  std::uint32_t flags;
  std::uint32_t targetOffset;
};

struct ConstantInfo {
  std::uint32_t nameOffset;
  std::uint16_t registerSet;
  std::uint16_t registerIndex;
  std::uint16_t registerCount;
  std::uint16_t reserved;
  std::uint32_t typeInfoOffset;
  std::uint32_t defaultValueOffset;
};

struct TypeInfo {
  std::uint16_t parameterClass;
  std::uint16_t parameterType;
  std::uint16_t rows;
  std::uint16_t columns;
  std::uint16_t elements;
  std::uint16_t structMembers;
  std::uint32_t structMemberInfoOffset;
};

// The readers take the records at these sizes; the fields are laid out without padding.
static_assert(sizeof(ConstantTableHeader) == 28);
static_assert(sizeof(ConstantInfo) == 20);
static_assert(sizeof(TypeInfo) == 16);

// Little-endian bytes, as x86 and the file format have them; strings end in a zero and are padded so
// that what follows stays aligned to four bytes.
struct ByteWriter {
  std::uint32_t base;
  std::vector<std::uint8_t> bytes;

  std::uint32_t Offset() const { return base + static_cast<std::uint32_t>(bytes.size()); }

  void Put16(std::uint16_t value) {
    bytes.push_back(static_cast<std::uint8_t>(value));
    bytes.push_back(static_cast<std::uint8_t>(value >> 8));
  }

  void Put32(std::uint32_t value) {
    Put16(static_cast<std::uint16_t>(value));
    Put16(static_cast<std::uint16_t>(value >> 16));
  }

  void PutFloat(float value) {
    std::uint32_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    Put32(bits);
  }

  std::uint32_t PutString(const std::string& text) {
    const std::uint32_t offset = Offset();
    bytes.insert(bytes.end(), text.begin(), text.end());
    do {
      bytes.push_back(0);
    } while (bytes.size() % 4 != 0);
    return offset;
  }

  void Append(const ByteWriter& other) { bytes.insert(bytes.end(), other.bytes.begin(), other.bytes.end()); }
};

void PutHeader(ByteWriter& out, const ConstantTableHeader& header) {
  out.Put32(header.size);
  out.Put32(header.creatorOffset);
  out.Put32(header.version);
  out.Put32(header.constantCount);
  out.Put32(header.constantInfoOffset);
  out.Put32(header.flags);
  out.Put32(header.targetOffset);
}

void PutConstantInfo(ByteWriter& out, const ConstantInfo& info) {
  out.Put32(info.nameOffset);
  out.Put16(info.registerSet);
  out.Put16(info.registerIndex);
  out.Put16(info.registerCount);
  out.Put16(info.reserved);
  out.Put32(info.typeInfoOffset);
  out.Put32(info.defaultValueOffset);
}

void PutTypeInfo(ByteWriter& out, const TypeInfo& type) {
  out.Put16(type.parameterClass);
  out.Put16(type.parameterType);
  out.Put16(type.rows);
  out.Put16(type.columns);
  out.Put16(type.elements);
  out.Put16(type.structMembers);
  out.Put32(type.structMemberInfoOffset);
}

std::uint32_t SizeOf(std::size_t bytes) {
  return static_cast<std::uint32_t>(bytes);
}

}  // namespace

std::vector<std::uint32_t> BuildConstantTableComment(const ConstantTableDescription& table,
                                                     std::uint32_t versionToken) {
  const std::size_t count = table.entries.size();
  const std::uint32_t infoOffset = SizeOf(sizeof(ConstantTableHeader));
  const std::uint32_t typeOffset = infoOffset + SizeOf(count * sizeof(ConstantInfo));

  // Default values and strings follow the fixed-size records; their offsets are known once written.
  ByteWriter tail{typeOffset + SizeOf(count * sizeof(TypeInfo)), {}};
  std::vector<ConstantInfo> infos;
  for (std::size_t i = 0; i < count; ++i) {
    const ConstantTableEntry& entry = table.entries[i];
    ConstantInfo info{0,
                      static_cast<std::uint16_t>(entry.registerSet),
                      entry.registerIndex,
                      entry.registerCount,
                      0,
                      typeOffset + SizeOf(i * sizeof(TypeInfo)),
                      0};
    if (!entry.defaultValue.empty()) {
      info.defaultValueOffset = tail.Offset();
      for (const float value : entry.defaultValue) {
        tail.PutFloat(value);
      }
    }
    infos.push_back(info);
  }
  for (std::size_t i = 0; i < count; ++i) {
    infos[i].nameOffset = tail.PutString(table.entries[i].name);
  }
  const ConstantTableHeader header{SizeOf(sizeof(ConstantTableHeader)),
                                   tail.PutString(Creator),
                                   versionToken,
                                   SizeOf(count),
                                   infoOffset,
                                   d3d::ConstantTableNoPreshader,
                                   tail.PutString(table.target)};

  ByteWriter body{0, {}};
  PutHeader(body, header);
  for (const ConstantInfo& info : infos) {
    PutConstantInfo(body, info);
  }
  for (const ConstantTableEntry& entry : table.entries) {
    PutTypeInfo(body, {static_cast<std::uint16_t>(entry.parameterClass),
                       static_cast<std::uint16_t>(entry.parameterType), entry.rows, entry.columns, 1, 0, 0});
  }
  body.Append(tail);

  const std::uint32_t bodyTokens = SizeOf(body.bytes.size() / 4);
  std::vector<std::uint32_t> comment{
      static_cast<std::uint32_t>(d3d::Opcode::Comment) | (bodyTokens + 1) << d3d::CommentLengthShift,
      d3d::ConstantTableTag};
  for (std::size_t i = 0; i < body.bytes.size(); i += 4) {
    comment.push_back(std::uint32_t{body.bytes[i]} | std::uint32_t{body.bytes[i + 1]} << 8 |
                      std::uint32_t{body.bytes[i + 2]} << 16 | std::uint32_t{body.bytes[i + 3]} << 24);
  }
  return comment;
}
