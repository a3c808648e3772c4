// Wine's constant table reader (d3dx9_31) finds in each program exactly the constants and samplers the
// plug-in's register maps name, with their registers, shapes and defaults; the raw header carries the
// no-preshader flag and the profile.
#include <d3dx9shader.h>
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "bytecode_walk.h"
#include "surface_shader_code.h"

namespace {

struct ExpectedConstant {
  const char* name;
  D3DXREGISTER_SET registerSet;
  UINT registerIndex;
  UINT registerCount;
  D3DXPARAMETER_CLASS parameterClass;
  D3DXPARAMETER_TYPE parameterType;
  UINT rows;
  UINT columns;
  std::vector<float> defaultValue;  // per register, four floats each; empty when there is none
};

struct ExpectedTable {
  const char* program;
  const DWORD* code;
  const char* target;
  std::vector<ExpectedConstant> constants;
};

// The header of the table, as it follows the CTAB tag.
struct ConstantTableHeader {
  DWORD size;
  DWORD creatorOffset;
  DWORD version;
  DWORD constantCount;
  DWORD constantInfoOffset;
  DWORD flags;
  DWORD targetOffset;
};

const ExpectedTable& VertexTable() {
  static const ExpectedTable table{
      "vertex shader",
      SurfaceVertexShaderCode,
      "vs_2_0",
      {
          {"WorldViewProj", D3DXRS_FLOAT4, 0, 4, D3DXPC_MATRIX_COLUMNS, D3DXPT_FLOAT, 4, 4, {}},
          {"WorldIT", D3DXRS_FLOAT4, 4, 3, D3DXPC_MATRIX_COLUMNS, D3DXPT_FLOAT, 4, 4, {}},
          {"World", D3DXRS_FLOAT4, 7, 3, D3DXPC_MATRIX_COLUMNS, D3DXPT_FLOAT, 4, 4, {}},
          {"ViewInv", D3DXRS_FLOAT4, 10, 3, D3DXPC_MATRIX_COLUMNS, D3DXPT_FLOAT, 4, 4, {}},
          {"LightDir", D3DXRS_FLOAT4, 13, 1, D3DXPC_VECTOR, D3DXPT_FLOAT, 1, 3, {1.0f, -1.0f, 1.0f, 0.0f}},
      }};
  return table;
}

const ExpectedTable& PixelTable() {
  static const ExpectedTable table{
      "pixel shader",
      SurfacePixelShaderCode,
      "ps_2_b",
      {
          {"LightColor1", D3DXRS_FLOAT4, 0, 1, D3DXPC_VECTOR, D3DXPT_FLOAT, 1, 4, {1.0f, 1.0f, 1.0f, 1.0f}},
          {"AmbiColor", D3DXRS_FLOAT4, 1, 1, D3DXPC_VECTOR, D3DXPT_FLOAT, 1, 4, {0.07f, 0.07f, 0.07f, 1.0f}},
          {"SurfColor", D3DXRS_FLOAT4, 2, 1, D3DXPC_VECTOR, D3DXPT_FLOAT, 1, 4, {1.0f, 1.0f, 1.0f, 1.0f}},
          {"surfemissive", D3DXRS_FLOAT4, 3, 1, D3DXPC_VECTOR, D3DXPT_FLOAT, 1, 4, {0.0f, 0.0f, 0.0f, 0.0f}},
          {"SpecExpon", D3DXRS_FLOAT4, 4, 1, D3DXPC_SCALAR, D3DXPT_FLOAT, 1, 1, {30.0f, 0.0f, 0.0f, 0.0f}},
          {"refmul", D3DXRS_FLOAT4, 5, 1, D3DXPC_SCALAR, D3DXPT_FLOAT, 1, 1, {1.0f, 0.0f, 0.0f, 0.0f}},
          {"colorSampler", D3DXRS_SAMPLER, 0, 1, D3DXPC_OBJECT, D3DXPT_SAMPLER2D, 1, 1, {}},
          {"normalSampler", D3DXRS_SAMPLER, 1, 1, D3DXPC_OBJECT, D3DXPT_SAMPLER2D, 1, 1, {}},
          {"envSampler", D3DXRS_SAMPLER, 2, 1, D3DXPC_OBJECT, D3DXPT_SAMPLERCUBE, 1, 1, {}},
      }};
  return table;
}

class ConstantTable : public ::testing::TestWithParam<const ExpectedTable*> {};

TEST_P(ConstantTable, ReaderFindsEveryEntryAndNothingElse) {
  const ExpectedTable& expected = *GetParam();
  ID3DXConstantTable* table = nullptr;
  ASSERT_EQ(D3DXGetShaderConstantTable(expected.code, &table), D3D_OK);

  D3DXCONSTANTTABLE_DESC tableDesc{};
  ASSERT_EQ(table->GetDesc(&tableDesc), D3D_OK);
  EXPECT_EQ(tableDesc.Version, expected.code[0]);
  EXPECT_STRNE(tableDesc.Creator, "");
  EXPECT_EQ(tableDesc.Constants, expected.constants.size());

  for (const ExpectedConstant& constant : expected.constants) {
    SCOPED_TRACE(constant.name);
    const D3DXHANDLE handle = table->GetConstantByName(nullptr, constant.name);
    ASSERT_NE(handle, nullptr);
    D3DXCONSTANT_DESC desc{};
    UINT count = 1;
    ASSERT_EQ(table->GetConstantDesc(handle, &desc, &count), D3D_OK);
    EXPECT_STREQ(desc.Name, constant.name);
    EXPECT_EQ(desc.RegisterSet, constant.registerSet);
    EXPECT_EQ(desc.RegisterIndex, constant.registerIndex);
    EXPECT_EQ(desc.RegisterCount, constant.registerCount);
    EXPECT_EQ(desc.Class, constant.parameterClass);
    EXPECT_EQ(desc.Type, constant.parameterType);
    EXPECT_EQ(desc.Rows, constant.rows);
    EXPECT_EQ(desc.Columns, constant.columns);
    EXPECT_EQ(desc.Elements, 1u);
    if (constant.defaultValue.empty()) {
      EXPECT_EQ(desc.DefaultValue, nullptr);
    } else {
      ASSERT_NE(desc.DefaultValue, nullptr);
      std::vector<float> defaultValue(constant.defaultValue.size());
      std::memcpy(defaultValue.data(), desc.DefaultValue, defaultValue.size() * sizeof(float));
      EXPECT_EQ(defaultValue, constant.defaultValue);
    }
  }
  table->Release();
}

TEST_P(ConstantTable, HeaderFollowsTheVersionWithNoPreshaderFlagAndTarget) {
  const ExpectedTable& expected = *GetParam();
  const std::vector<DWORD> comment = FirstComment(expected.code);
  ASSERT_GT(comment.size(), 1 + sizeof(ConstantTableHeader) / sizeof(DWORD));
  EXPECT_EQ(comment[0], MAKEFOURCC('C', 'T', 'A', 'B'));
  ConstantTableHeader header{};
  std::memcpy(&header, &comment[1], sizeof header);
  EXPECT_EQ(header.size, sizeof(ConstantTableHeader));
  EXPECT_EQ(header.version, expected.code[0]);
  EXPECT_EQ(header.flags, static_cast<DWORD>(D3DXSHADER_NO_PRESHADER));
  const auto* table = reinterpret_cast<const char*>(&comment[1]);
  const std::size_t tableBytes = (comment.size() - 1) * sizeof(DWORD);
  ASSERT_LT(header.targetOffset, tableBytes);
  EXPECT_EQ(std::string(table + header.targetOffset), expected.target);
}

INSTANTIATE_TEST_SUITE_P(SurfaceShaders, ConstantTable, ::testing::Values(&VertexTable(), &PixelTable()),
                         [](const auto& parameter) {
                           return std::string(parameter.param->target).substr(0, 2);
                         });

}  // namespace
