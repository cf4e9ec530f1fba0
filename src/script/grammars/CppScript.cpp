#include "script/grammars/BuiltinGrammars.h"

namespace orv::grammars {
namespace {

const std::string_view kHead = R"xml(<?xml version="1.0"?>
<language text="C++Script">
  <parser>
    <commentline1 text="//"/>
    <commentblock1 text="/*,*/"/>
    <commentblock2 text="/*,*/"/>
    <stringquotes text="&#34;"/>
    <hexsequence text="0x"/>
    <specstrchar text="1"/>
    <casesensitive text="1"/>
    <keywords>
      <break/><case/><continue/><define/><default/><delete/><do/><else/><except/><finally/>
      <for/><in/><is/><if/><new/><return/><switch/><try/><while/>
    </keywords>
    <errors>
      <err1 text="Identifier expected"/>
      <err2 text="Expression expected"/>
      <err3 text="Statement expected"/>
      <err4 text="':' expected"/>
      <err5 text="';' expected"/>
      <err6 text="'.' expected"/>
      <err7 text="')' expected"/>
      <err8 text="']' expected"/>
      <err9 text="'=' expected"/>
      <err10 text="'{' expected"/>
      <err11 text="'}' expected"/>
      <err12 text="'(' expected"/>
      <err13 text="'DEFINE' expected"/>
      <err14 text="'WHILE' expected"/>
      <err17 text="'FINALLY' or 'EXCEPT' expected"/>
      <err18 text="'[' expected"/>
      <err19 text="'..' expected"/>
      <err20 text="'&#62;' expected"/>
    </errors>
  </parser>
  <types>
    <int type="Integer"/>
    <long type="Integer"/>
    <void type="Integer"/>
    <bool type="Boolean"/>
    <float type="Extended"/>
  </types>
  <empty/>

  <!-- program: { directive | function | declaration } { statements } -->
  <program>
    <optionalloop>
      <switch>
        <directive/>
        <functiondecl/>
        <vardecl/>
      </switch>
    </optionalloop>
    <compoundstmt err="err10"/>
  </program>

  <!-- #include "file" as [uses] with [file]; #define name expression as [const] -->
  <directive>
    <char text="#"/>
    <switch err="err13">
      <sequence node="uses">
        <keyword text="include"/>
        <loop text=","><string add="file"/></loop>
      </sequence>
      <sequence node="const">
        <keyword text="define"/>
        <ident add="ident" err="err1"/>
        <expression err="err2"/>
      </sequence>
    </switch>
  </directive>

  <!-- [function] type name ( parameters ) { ... } -->
  <functiondecl node="function">
    <ident add="type"/>
    <ident add="name"/>
    <char text="("/>
    <sequence node="parameters">
      <optionalloop text=","><parameter/></optionalloop>
    </sequence>
    <char text=")" err="err7"/>
    <compoundstmt err="err10"/>
  </functiondecl>

  <!-- [var] type name, or type &amp;name inside [varparams] -->
  <parameter>
    <switch>
      <sequence node="varparams">
        <sequence node="var">
          <ident add="type"/>
          <char text="&#38;"/>
          <ident add="ident" err="err1"/>
        </sequence>
      </sequence>
      <sequence node="var">
        <ident add="type"/>
        <ident add="ident" err="err1"/>
      </sequence>
    </switch>
  </parameter>

  <!-- [var] type name [ "[" dims "]" as [array] ] [ = expression as [init] ] { , ... };
       an [init] belongs to the [ident] before it -->
  <vardecl>
    <vardeclaration/>
    <char text=";" err="err5"/>
  </vardecl>

  <vardeclaration node="var">
    <ident add="type"/>
    <declarator/>
    <optionalloop>
      <char text=","/>
      <declarator err="err1"/>
    </optionalloop>
  </vardeclaration>

  <declarator>
    <ident add="ident"/>
    <optional>
      <sequence node="array">
        <char text="["/>
        <sequence node="dim"><expression err="err2"/></sequence>
        <char text="]" err="err8"/>
      </sequence>
    </optional>
    <optional><initvalue/></optional>
  </declarator>

  <statement>
    <switch>
      <commonstmt/>
      <vardecl/>
      <sequence>
        <simplestatement/>
        <semicolon/>
      </sequence>
      <char text=";"/>
    </switch>
  </statement>

  <semicolon>
    <char text=";" err="err5"/>
  </semicolon>
)xml";

} // namespace

std::string CppScript() {
    return Assemble(kHead, {kCLikeRules});
}

} // namespace orv::grammars
