#include "script/grammars/BuiltinGrammars.h"

namespace orv::grammars {
namespace {

const std::string_view kHead = R"xml(<?xml version="1.0"?>
<language text="JScript">
  <parser>
    <commentline1 text="//"/>
    <commentblock1 text="/*,*/"/>
    <commentblock2 text="/*,*/"/>
    <stringquotes text="&#34;"/>
    <hexsequence text="0x"/>
    <specstrchar text="1"/>
    <declarevars text="0"/>
    <keywords>
      <break/><case/><continue/><default/><delete/><do/><else/><except/><finally/><for/>
      <function/><import/><in/><is/><if/><new/><return/><switch/><try/><var/>
      <while/><with/>
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
      <err14 text="'WHILE' expected"/>
      <err17 text="'FINALLY' or 'EXCEPT' expected"/>
      <err18 text="'[' expected"/>
      <err19 text="'..' expected"/>
      <err20 text="'&#62;' expected"/>
    </errors>
  </parser>
  <types/>
  <empty/>

  <!-- program: { import | function | statement }, the main program being the statements -->
  <program>
    <optionalloop>
      <switch>
        <importstmt/>
        <functiondecl/>
        <statement/>
      </switch>
    </optionalloop>
  </program>

  <!-- [uses] import "file" { , "file" } with each as [file] -->
  <importstmt node="uses">
    <keyword text="import"/>
    <loop text="," err="err2"><string add="file"/></loop>
    <semicolon/>
  </importstmt>

  <!-- [function] function name ( [ name { , name } ] as [parameters] ) { ... } -->
  <functiondecl node="function">
    <keyword text="function"/>
    <ident add="name" err="err1"/>
    <char text="(" err="err12"/>
    <sequence node="parameters">
      <optionalloop text=",">
        <sequence node="var"><ident add="ident"/></sequence>
      </optionalloop>
    </sequence>
    <char text=")" err="err7"/>
    <compoundstmt err="err10"/>
  </functiondecl>

  <!-- [var] var name [ = expression as [init] ] { , ... }; an [init] belongs to the [ident] before it -->
  <vardeclaration node="var">
    <keyword text="var"/>
    <declarator err="err1"/>
    <optionalloop>
      <char text=","/>
      <declarator err="err1"/>
    </optionalloop>
  </vardeclaration>

  <declarator>
    <ident add="ident"/>
    <optional><initvalue/></optional>
  </declarator>

  <!-- [with] with ( designator ) statement -->
  <withstmt node="with">
    <keyword text="with"/>
    <char text="(" err="err12"/>
    <designator err="err1"/>
    <char text=")" err="err7"/>
    <statement err="err3"/>
  </withstmt>

  <statement>
    <switch>
      <commonstmt/>
      <withstmt/>
      <sequence>
        <vardeclaration/>
        <semicolon/>
      </sequence>
      <sequence>
        <simplestatement/>
        <semicolon/>
      </sequence>
      <char text=";"/>
    </switch>
  </statement>

  <!-- the semicolon after a simple statement may be left out -->
  <semicolon>
    <optional><char text=";"/></optional>
  </semicolon>
)xml";

} // namespace

std::string JScript() {
    return Assemble(kHead, {kCLikeRules});
}

} // namespace orv::grammars
