-- A code block written as ```{include="example.txt"}``` takes the text of that file, made by
-- the build from the program's real output, so the guide quotes what the program prints now.
function CodeBlock(block)
  local name = block.attributes["include"]
  if not name then
    return nil
  end
  local file = io.open(name, "r")
  if not file then
    error("the guide quotes " .. name .. ", which the build did not make")
  end
  block.text = file:read("a"):gsub("\n+$", "")
  file:close()
  block.attributes["include"] = nil
  return block
end
