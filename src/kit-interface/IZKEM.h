#pragma once
// The terminal kit's COM identity and the layout of its dual interface IZKEM, shared by the
// binding (TCZKEM) and the stand-in kit. The program calls the kit through this method table
// (early binding), so every method it uses must sit at the kit's own index: IUnknown (0-2),
// IDispatch (3-6), then the kit's methods. The kit has methods the program never calls; they
// are declared as placeholders `UnusedNN` only to keep the used ones at their indices. The
// real kit goes on past index 223; calls never reach that far, so the table ends there.
#include <windows.h>
#include <oleauto.h>

namespace vcu {

// {00853A19-BD51-419B-9269-2DABE57EB61F}: the kit's control class.
inline constexpr CLSID CLSID_CZKEM = {
    0x00853A19, 0xBD51, 0x419B, {0x92, 0x69, 0x2D, 0xAB, 0xE5, 0x7E, 0xB6, 0x1F}};
// {102F4206-E43D-4FC9-BAB0-331CFFE4D25B}: its default interface IZKEM.
inline constexpr IID IID_IZKEM = {
    0x102F4206, 0xE43D, 0x4FC9, {0xBA, 0xB0, 0x33, 0x1C, 0xFF, 0xE4, 0xD2, 0x5B}};
// {CF83B580-5D32-4C65-B44E-BEDC750CDFA8}: its event interface. The program assigns no
// handler, so nobody connects a sink; the identifiers are kept for reference.
inline constexpr IID DIID_IZKEMEvents = {
    0xCF83B580, 0x5D32, 0x4C65, {0xB4, 0x4E, 0xBE, 0xDC, 0x75, 0x0C, 0xDF, 0xA8}};

enum class IZKEMEvent {
  OnAttTransaction = 1, OnKeyPress, OnEnrollFinger, OnNewUser, OnEMData, OnConnected,
  OnDisConnected, OnFinger, OnVerify, OnFingerFeature, OnHIDNum, OnDoor, OnAlarm, OnWriteCard,
  OnEmptyCard, OnDeleteTemplate, OnAttTransactionEx, OnEnrollFingerEx
};

} // namespace vcu

// Ten placeholders NN0..NN9 for the decade NN.
#define VCU_IZKEM_DECADE(UNUSED, d)                                                             \
  UNUSED(d##0) UNUSED(d##1) UNUSED(d##2) UNUSED(d##3) UNUSED(d##4) UNUSED(d##5) UNUSED(d##6)    \
  UNUSED(d##7) UNUSED(d##8) UNUSED(d##9)

// The kit's methods from index 7 to 223, in table order. UNUSED(n) stands for the placeholder
// at index n; METHOD(name, parameters) for a method the program calls. Every method answers
// an HRESULT and gives its result, a COM Boolean, through the last parameter.
#define VCU_IZKEM_METHODS(UNUSED, METHOD)                                                       \
  UNUSED(7) UNUSED(8) UNUSED(9)                                                                 \
  VCU_IZKEM_DECADE(UNUSED, 1) VCU_IZKEM_DECADE(UNUSED, 2)                                       \
  UNUSED(30) UNUSED(31) UNUSED(32) UNUSED(33) UNUSED(34) UNUSED(35) UNUSED(36)                  \
  /* 37 */ METHOD(ReadSerialNumber, (LONG machineNumber, BSTR* serialNumber, VARIANT_BOOL* result)) \
  UNUSED(38) UNUSED(39)                                                                         \
  /* 40 */ METHOD(ReadProductName, (LONG machineNumber, BSTR* productName, VARIANT_BOOL* result)) \
  /* 41 */ METHOD(ReadFirmwareVersion, (LONG machineNumber, BSTR* version, VARIANT_BOOL* result)) \
  /* 42 */ METHOD(ReadSdkVersion, (BSTR* version, VARIANT_BOOL* result))                         \
  UNUSED(43) UNUSED(44) UNUSED(45)                                                              \
  /* 46 */ METHOD(OpenNetworkLink, (BSTR address, LONG port, VARIANT_BOOL* result))              \
  UNUSED(47) UNUSED(48) UNUSED(49)                                                              \
  VCU_IZKEM_DECADE(UNUSED, 5) VCU_IZKEM_DECADE(UNUSED, 6) VCU_IZKEM_DECADE(UNUSED, 7)           \
  VCU_IZKEM_DECADE(UNUSED, 8) VCU_IZKEM_DECADE(UNUSED, 9) VCU_IZKEM_DECADE(UNUSED, 10)          \
  VCU_IZKEM_DECADE(UNUSED, 11)                                                                  \
  /* 120 */ METHOD(RestartTerminal, (LONG machineNumber, VARIANT_BOOL* result))                  \
  UNUSED(121) UNUSED(122) UNUSED(123) UNUSED(124) UNUSED(125) UNUSED(126) UNUSED(127)           \
  UNUSED(128) UNUSED(129)                                                                       \
  UNUSED(130) UNUSED(131) UNUSED(132) UNUSED(133) UNUSED(134) UNUSED(135) UNUSED(136)           \
  /* 137 */ METHOD(ReadManufacturer, (BSTR* manufacturer, VARIANT_BOOL* result))                 \
  UNUSED(138) UNUSED(139)                                                                       \
  UNUSED(140) UNUSED(141) UNUSED(142) UNUSED(143) UNUSED(144) UNUSED(145) UNUSED(146)           \
  UNUSED(147) UNUSED(148)                                                                       \
  /* 149 */ METHOD(ReadOption, (LONG machineNumber, BSTR name, BSTR* value, VARIANT_BOOL* result)) \
  VCU_IZKEM_DECADE(UNUSED, 15) VCU_IZKEM_DECADE(UNUSED, 16) VCU_IZKEM_DECADE(UNUSED, 17)        \
  UNUSED(180) UNUSED(181)                                                                       \
  /* 182 */ METHOD(WriteOption, (LONG machineNumber, BSTR name, BSTR value, VARIANT_BOOL* result)) \
  UNUSED(183) UNUSED(184) UNUSED(185) UNUSED(186) UNUSED(187) UNUSED(188) UNUSED(189)           \
  UNUSED(190) UNUSED(191) UNUSED(192) UNUSED(193) UNUSED(194)                                   \
  /* 195 */ METHOD(ReadPlatformName, (LONG machineNumber, BSTR* platform, VARIANT_BOOL* result)) \
  UNUSED(196) UNUSED(197) UNUSED(198) UNUSED(199)                                               \
  VCU_IZKEM_DECADE(UNUSED, 20) VCU_IZKEM_DECADE(UNUSED, 21)                                     \
  UNUSED(220) UNUSED(221) UNUSED(222)                                                           \
  /* 223 */ METHOD(OpenUsbLink, (LONG machineNumber, VARIANT_BOOL* result))

#define VCU_IZKEM_DECLARE_UNUSED(n) virtual HRESULT STDMETHODCALLTYPE Unused##n() = 0;
#define VCU_IZKEM_DECLARE_METHOD(name, parameters) \
  virtual HRESULT STDMETHODCALLTYPE name parameters = 0;

// Texts are BSTRs. An out text (BSTR*) arrives empty and the kit allocates the answer; an
// in/out text arrives as the caller holds it and the kit replaces it (freeing the old one).
struct IZKEM : public IDispatch {
  VCU_IZKEM_METHODS(VCU_IZKEM_DECLARE_UNUSED, VCU_IZKEM_DECLARE_METHOD)
};
