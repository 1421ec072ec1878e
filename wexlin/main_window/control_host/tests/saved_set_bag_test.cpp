// The toolbars' saved sets as a control sees them through the property bag: values by key in
// any case, in the type asked for, pictures as real picture objects, missing keys refused.
#include <windows.h>
#include <olectl.h>

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "saved_set_bag.h"
#include "win32/ole_scope.h"

namespace wexlin {
namespace {

std::vector<std::uint8_t> Tessel1Set() {
    std::ifstream in(WEXLIN_TOOLBAR_SETS_DIR "/tessel1.bin", std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class SavedSetBagTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(ole_.Result(), S_OK);
        bytes_ = Tessel1Set();
        ASSERT_FALSE(bytes_.empty());
        bag_ = NewSavedSetBag(bytes_);
        ASSERT_TRUE(bag_);
    }
    HRESULT Read(const wchar_t* key, VARIANT& value, VARTYPE wanted) {
        VariantInit(&value);
        value.vt = wanted;
        return bag_->Read(key, &value, nullptr);
    }
    win32::OleScope ole_;
    std::vector<std::uint8_t> bytes_;
    win32::ComPtr<IPropertyBag> bag_;
};

TEST_F(SavedSetBagTest, GivesStoredValuesInTheAskedTypeWhateverTheCaseOfTheKey) {
    VARIANT value;
    ASSERT_EQ(Read(L"BUTNCOUNT", value, VT_I2), S_OK);
    EXPECT_EQ(value.vt, VT_I2);
    EXPECT_EQ(value.iVal, 9);
    ASSERT_EQ(Read(L"butncount", value, VT_I4), S_OK);  // widened when asked so
    EXPECT_EQ(value.vt, VT_I4);
    EXPECT_EQ(value.lVal, 9);
    ASSERT_EQ(Read(L"MaskColor", value, VT_EMPTY), S_OK);
    EXPECT_EQ(value.vt, VT_I4);
    EXPECT_EQ(value.lVal, 16776960);
    ASSERT_EQ(Read(L"ToolTips3", value, VT_BSTR), S_OK);
    EXPECT_STREQ(value.bstrVal, L"Cut Encoded Text");
    VariantClear(&value);
    ASSERT_EQ(Read(L"BtnEnabled2", value, VT_BOOL), S_OK);
    EXPECT_EQ(value.boolVal, VARIANT_TRUE);
    EXPECT_EQ(Read(L"Caption0", value, VT_BSTR), E_INVALIDARG) << "not stored: the control takes its default";
}

TEST_F(SavedSetBagTest, ThePictureComesBackAsTheStripBitmap) {
    VARIANT value;
    ASSERT_EQ(Read(L"Picture", value, VT_DISPATCH), S_OK);
    ASSERT_EQ(value.vt, VT_DISPATCH);
    win32::ComPtr<IPicture> picture;
    ASSERT_EQ(value.pdispVal->QueryInterface(IID_IPicture, picture.PutVoid()), S_OK);
    SHORT type = 0;
    picture->get_Type(&type);
    EXPECT_EQ(type, PICTYPE_BITMAP);
    OLE_HANDLE handle = 0;
    picture->get_Handle(&handle);
    BITMAP bitmap{};
    ASSERT_TRUE(GetObjectW(reinterpret_cast<HGDIOBJ>(static_cast<UINT_PTR>(handle)), sizeof bitmap, &bitmap));
    EXPECT_EQ(bitmap.bmWidth, 720);
    EXPECT_EQ(bitmap.bmHeight, 16);
    picture.Reset();
    VariantClear(&value);
}

TEST(SavedSetBag, BytesThatAreNotASetGiveNoBag) {
    const std::vector<std::uint8_t> damaged{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
    EXPECT_FALSE(NewSavedSetBag(damaged));
}

}  // namespace
}  // namespace wexlin
